#include "ui/unicode_text.h"

#include <QList>

QString to_qstring(std::u32string_view text)
{
    return QString::fromUcs4(text.data(), static_cast<qsizetype>(text.size()));
}

std::u32string typed_text(const QString& text)
{
    return text.normalized(QString::NormalizationForm_C).toStdU32String();
}

std::size_t characters_before(const QString& text, qsizetype utf16_position)
{
    return static_cast<std::size_t>(QStringView(text).left(utf16_position).toUcs4().size());
}

qsizetype utf16_position(const QString& text, std::size_t characters)
{
    qsizetype position = 0;
    for (std::size_t i = 0; i < characters && position < text.size(); ++i)
        position += text.at(position).isHighSurrogate() && position + 1 < text.size() ? 2 : 1;
    return position;
}
