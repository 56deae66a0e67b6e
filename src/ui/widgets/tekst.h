#pragma once

#include <QString>
#include <string>

namespace kzo {

// Between the core's UTF-8 std::string and Qt's QString; T for the program's own texts.
inline QString Q(const std::string& utf8) { return QString::fromStdString(utf8); }
inline std::string S(const QString& q) { return q.toStdString(); }
inline QString T(const char* utf8) { return QString::fromUtf8(utf8); }

}  // namespace kzo
