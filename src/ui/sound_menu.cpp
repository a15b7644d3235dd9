// 設定 → サウンド: the sound effects on or off and their volume, remembered.
// Without an audio output the entries say so and cannot be chosen.
#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>

#include "ui/main_window.h"
#include "ui/sound_effects.h"
#include "ui/window_settings.h"

namespace nerilo::ui {

void MainWindow::buildSoundMenu(QMenu* options) {
    sounds_ = new SoundEffects(this);
    sounds_->setOn(savedSoundOn());
    sounds_->setVolume(savedSoundVolume());
    // The effects belong to the program: beside it, whatever folder the stages are read from.
    sounds_->load(QCoreApplication::applicationDirPath() + QStringLiteral("/sounds"));
    platform_.attachSounds(sounds_);

    QMenu* menu = options->addMenu(QString());
    menu->menuAction()->setObjectName(QStringLiteral("sound"));
    captions_.push_back({menu->menuAction(), QT_TR_NOOP("サウンド(&U)")});
    QAction* on = addCaptioned(menu, QStringLiteral("soundOn"), QT_TR_NOOP("効果音(&S)"));
    on->setCheckable(true);
    connect(on, &QAction::triggered, this, [this](bool checked) {
        sounds_->setOn(checked);
        saveSoundOn(checked);
        showSoundState();
    });
    menu->addSeparator();
    static const char* const VolumeCaptions[] = {QT_TR_NOOP("音量 小(&1)"), QT_TR_NOOP("音量 中(&2)"), QT_TR_NOOP("音量 大(&3)")};
    static_assert(std::size(VolumeCaptions) == SoundVolumes.size());
    auto* volumes = new QActionGroup(menu);
    volumes->setObjectName(QStringLiteral("soundVolumes"));
    for (size_t i = 0; i < SoundVolumes.size(); ++i) {
        const int volume = SoundVolumes[i];
        QAction* choice = addCaptioned(menu, QStringLiteral("soundVolume%1").arg(volume), VolumeCaptions[i]);
        choice->setCheckable(true);
        choice->setChecked(volume == sounds_->volume());
        choice->setActionGroup(volumes);
        connect(choice, &QAction::triggered, this, [this, volume] {
            sounds_->setVolume(volume);
            saveSoundVolume(volume);
        });
    }
    connect(sounds_, &SoundEffects::outputChanged, this, &MainWindow::showSoundState);
    showSoundState();
}

// The player's choice stays as it was saved while there is no output to play
// it on; the switch shows it off.
void MainWindow::showSoundState() {
    const bool found = sounds_->outputFound();
    QAction* on = action("soundOn");
    const char* caption = found ? QT_TR_NOOP("効果音(&S)") : QT_TR_NOOP("効果音（音の出力が見つかりません）(&S)");
    for (Caption& entry : captions_)
        if (entry.action == on) entry.source = caption;
    on->setText(tr(caption));
    on->setEnabled(found);
    on->setChecked(found && sounds_->on());
    findChild<QActionGroup*>(QStringLiteral("soundVolumes"))->setEnabled(found && sounds_->on());
}

}  // namespace nerilo::ui
