// nerilo-ts-check FILE.ts [NAME]: lists every text of a Qt Linguist file that lacks a
// finished translation, or whose translation drops or adds a %1..%9 place, and
// fails when there is one. Texts gone from the sources are not counted.
#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTextStream>
#include <QXmlStreamReader>
#include <algorithm>

namespace {

struct Message {
    QString context, source, comment;
    QStringList translations;  // one, or one per plural form
    QString type;              // "unfinished", "vanished", "obsolete" or empty
};

QSet<QString> places(const QString& text) {
    QSet<QString> found;
    static const QRegularExpression place(QStringLiteral("%[1-9]"));
    for (auto it = place.globalMatch(text); it.hasNext();) found.insert(it.next().captured());
    return found;
}

QString shown(QString text) { return text.replace(QLatin1Char('\n'), QStringLiteral("\\n")); }

// The messages of a .ts file, or an error.
QString readMessages(const QString& path, QList<Message>& messages) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return QStringLiteral("cannot open ") + path;
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        const auto name = xml.name();
        if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            message = {context, {}, {}, {}, {}};
        } else if (name == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (name == QLatin1String("comment")) {
            message.comment = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            message.type = xml.attributes().value(QLatin1String("type")).toString();
            // A plural text keeps its forms in <numerusform> children.
            if (xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes")) {
                while (xml.readNextStartElement()) {
                    if (xml.name() == QLatin1String("numerusform")) message.translations.append(xml.readElementText());
                    else xml.skipCurrentElement();
                }
            } else {
                message.translations = {xml.readElementText()};
            }
            messages.append(message);
        }
    }
    if (xml.hasError()) return path + QStringLiteral(": ") + xml.errorString();
    return {};
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    if (argc != 2 && argc != 3) {
        out << "usage: nerilo-ts-check FILE.ts [NAME]\n";
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[argc - 1]);  // how the report names the file
    QList<Message> messages;
    if (const QString error = readMessages(path, messages); !error.isEmpty()) {
        out << error << "\n";
        return 2;
    }
    QStringList missing, misplaced;
    for (const Message& m : messages) {
        if (m.type == QLatin1String("vanished") || m.type == QLatin1String("obsolete")) continue;
        const bool empty = std::any_of(m.translations.begin(), m.translations.end(),
                                       [](const QString& t) { return t.isEmpty(); });
        QString line = QStringLiteral("  [%1] %2").arg(m.context, shown(m.source));
        if (!m.comment.isEmpty()) line += QStringLiteral(" (%1)").arg(m.comment);
        if (m.type == QLatin1String("unfinished") || m.translations.isEmpty() || empty) missing << line;
        else if (std::any_of(m.translations.begin(), m.translations.end(),
                             [&](const QString& t) { return places(t) != places(m.source); }))
            misplaced << line + QStringLiteral("  →  ") + shown(m.translations.first());
    }
    if (!missing.isEmpty())
        out << missing.size() << " text(s) without a finished translation in " << name << ":\n"
            << missing.join(QLatin1Char('\n')) << "\n";
    if (!misplaced.isEmpty())
        out << misplaced.size() << " translation(s) whose %1..%9 places differ from the text's:\n"
            << misplaced.join(QLatin1Char('\n')) << "\n";
    if (missing.isEmpty() && misplaced.isEmpty()) {
        out << messages.size() << " texts, every one translated\n";
        return 0;
    }
    out << "Run `cmake --build build --target update_translations`, translate them in translations/ "
           "(Qt Linguist, or by hand: the text, and no type=\"unfinished\") and build again.\n";
    return 1;
}
