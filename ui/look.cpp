#include "look.h"

#include <QFontDatabase>
#include <QStringList>

namespace kalendix {

namespace {

// A face that lacks Cyrillic would leave Qt to draw the Russian letters of one caption in another face. One look at
// the font list, rather than a query per face: fontconfig's alias rules make each query cost more than the list.
bool chooseFace(Look::Face& face, const QStringList& cyrillicFamilies, const QStringList& candidates)
{
    const auto covers = [&cyrillicFamilies](const QString& family) {
        return cyrillicFamilies.contains(family, Qt::CaseInsensitive);
    };
    if (covers(face.family)) {
        face.coversCyrillic = true;
        return true;
    }
    for (const QString& candidate : candidates) {
        if (covers(candidate)) {
            face = {candidate, true};
            return true;
        }
    }
    return false;
}

// The windows' captions are Russian, digits and ASCII signs, all of which a face that covers Cyrillic holds. Asking
// by the face's own name, and without Qt's search for a second face to merge in, spares a fontconfig query for every
// face, style and script before the first window shows; where no such face was found, Qt still merges one in.
QFont windowFont(const Look::Face& face)
{
    QFont font(face.family);
    font.setStyleStrategy(face.coversCyrillic ? QFont::StyleStrategy(QFont::PreferNoShaping | QFont::NoFontMerging)
                                              : QFont::PreferNoShaping);
    return font;
}

} // namespace

QFont Look::captionFont(double pointSize, bool bold, bool italic) const
{
    QFont font = windowFont(m_caption);
    font.setPointSizeF(pointSize);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    font.setItalic(italic);
    return font;
}

QFont Look::dialogFont() const
{
    QFont font = windowFont(m_dialog);
    font.setPointSizeF(8.25);
    font.setWeight(QFont::Normal);
    return font;
}

Look Look::ofThisMachine()
{
    // PT Sans was drawn for the languages of Russia and has all four styles. The dialog face was a compact bitmap
    // face; PT Sans Narrow keeps its one-line captions on one line, where wider faces wrap them into the next control.
    const QStringList cyrillicFamilies = QFontDatabase::families(QFontDatabase::Cyrillic);
    Look look;
    chooseFace(look.m_caption, cyrillicFamilies, {QStringLiteral("PT Sans"), QStringLiteral("DejaVu Sans")});
    chooseFace(look.m_dialog, cyrillicFamilies,
               {QStringLiteral("PT Sans Narrow"), QStringLiteral("PT Sans"), QStringLiteral("DejaVu Sans")});
    return look;
}

} // namespace kalendix
