// 設定 → サウンド: the sound effects on or off and their volume, remembered.
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
    on->setChecked(sounds_->on());
    connect(on, &QAction::triggered, this, [this](bool checked) {
        sounds_->setOn(checked);
        saveSoundOn(checked);
    });
    menu->addSeparator();
    static const char* const VolumeCaptions[] = {QT_TR_NOOP("音量 小(&1)"), QT_TR_NOOP("音量 中(&2)"), QT_TR_NOOP("音量 大(&3)")};
    static_assert(std::size(VolumeCaptions) == SoundVolumes.size());
    auto* volumes = new QActionGroup(menu);
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
}

}  // namespace nerilo::ui
