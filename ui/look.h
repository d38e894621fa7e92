#pragma once

#include <QFont>
#include <QString>

namespace kalendix {

// The faces the windows were designed with, and the installed faces that stand for them on this machine. Made once by
// the application and handed to each window.
class Look
{
public:
    // Finds installed faces that cover Cyrillic to stand for the designed ones where those are missing.
    static Look ofThisMachine();

    // Whether a face that covers Cyrillic stands for both.
    bool coversCyrillic() const { return m_caption.coversCyrillic && m_dialog.coversCyrillic; }

    QFont captionFont(double pointSize, bool bold, bool italic = false) const;
    QFont dialogFont() const;

    // Face names as the windows were designed with.
    static QString captionFace() { return QStringLiteral("Comic Sans MS"); }
    static QString dialogFace() { return QStringLiteral("MS Sans Serif"); }

    // The face a design name stands for, and whether it holds the Russian letters itself.
    struct Face
    {
        QString family;
        bool coversCyrillic = false;
    };

private:
    Face m_caption{captionFace()};
    Face m_dialog{dialogFace()};
};

} // namespace kalendix
