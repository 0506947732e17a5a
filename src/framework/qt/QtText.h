#pragma once

#include <QFile>
#include <QKeySequence>
#include <QString>
#include <filesystem>

#include "framework/Types.h"

namespace framework::qt {

inline QString ToQString(const String& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A file name as the system spells it.
inline std::filesystem::path ToPath(const QString& name) { return QFile::encodeName(name).toStdString(); }

// A button's caption shows every "&" as it stands; Qt would take it for a mnemonic marker.
inline QString CaptionText(const String& caption) { return ToQString(caption).replace('&', "&&"); }

// "Cmd+" is the platform's command modifier, which is Ctrl here.
inline QKeySequence ShortcutOf(const String& shortcut) {
  return QKeySequence::fromString(ToQString(shortcut).replace("Cmd+", "Ctrl+"), QKeySequence::PortableText);
}

}  // namespace framework::qt
