#pragma once

#include <QSettings>
#include <QString>

// The user's settings file, the one place every setting is kept between runs:
// $XDG_CONFIG_HOME/numivox/numivox.conf, usually ~/.config/numivox/numivox.conf. Each setting's
// key and default live with the code that owns the setting. A missing or damaged file reads as
// the defaults.
QString settingsFilePath();
QSettings userSettings();
