// The one crossing between the system's code page 936 text and Qt's UTF-16.
#pragma once

#include <QString>
#include <string>

namespace pelizo {

QString toQt(const std::string& gbk);
std::string fromQt(const QString& text);

} // namespace pelizo
