#include "ui/engine_text.h"

#include <QCoreApplication>

namespace nerilo::ui {

QString translated(const Text& text) {
    return QString::fromStdString(text.say([](const std::string& context, const std::string& pattern) {
        return QCoreApplication::translate(context.c_str(), pattern.c_str()).toStdString();
    }));
}

}  // namespace nerilo::ui
