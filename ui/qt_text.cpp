#include "ui/qt_text.h"

#include "net/codepage.h"

namespace pelizo {

QString toQt(const std::string& gbk)
{
    const std::string utf8 = gbkToUtf8(gbk);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string fromQt(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    return utf8ToGbk(std::string_view(utf8.constData(), static_cast<size_t>(utf8.size())));
}

} // namespace pelizo
