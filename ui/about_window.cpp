#include "about_window.h"

#include "about_info.h"
#include "accessibility.h"
#include "colours.h"
#include "look.h"
#include "screen_placement.h"
#include "twips.h"
#include "window_system.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPixmap>

namespace kalendix {

namespace {

// The design, in twips; label positions are measured from the frame's top-left corner.
constexpr int clientWidth = 4680;
constexpr int clientHeight = 2010;
constexpr TwipsRect picture1Rect{120, 120, 1335, 1815};
constexpr TwipsRect frame1Rect{1560, 0, 3015, 1935};

const QColor navy(0, 0, 128);
const QColor blue(0, 0, 255);

struct LabelSpec
{
    const char* name;
    QString text;
    TwipsRect rect;
    QFont font;
    QColor colour; // invalid: the palette's own text colour
};

} // namespace

Fr5::Fr5(const Look& look)
{
    declareDialog(this);
    setObjectName(QStringLiteral("Fr5"));
    setWindowTitle(QStringLiteral("О программе..."));
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    // A tool window without a parent loses WA_QuitOnClose whenever its flags are set; without it the program would
    // end when the main window closes while this one is still open.
    setAttribute(Qt::WA_QuitOnClose);
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(look.dialogFont());
    QPalette colours = palette();
    colours.setColor(QPalette::Window, systemColor(SystemColor::ButtonFace));
    setPalette(colours);
    setAutoFillBackground(true);

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Picture1"));
    picture->setGeometry(picture1Rect.toPixels());
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picture->setPixmap(QPixmap(QStringLiteral(":/kalendix/portrait.jpg")));
    picture->setAccessibleName(QStringLiteral("Фотография автора"));

    auto* frame = new QGroupBox(QStringLiteral("Программу написал... "), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setGeometry(frame1Rect.toPixels());
    frame->setFont(look.captionFont(9.75, true));
    QPalette frameColours = frame->palette();
    const QColor face = systemColor(SystemColor::ButtonFace);
    frameColours.setColor(QPalette::WindowText, readableOn(Qt::black, face));
    frame->setPalette(frameColours);

    const LabelSpec labels[] = {
        {"Label1",
         QString::fromUtf8(about::authorSurname) + QLatin1Char(' '),
         {240, 360, 615, 255},
         look.captionFont(8.25, true),
         navy},
        {"Label2", QString::fromUtf8(about::authorGivenName), {960, 360, 735, 255}, look.captionFont(8.25, true), navy},
        {"Label3",
         QString::fromUtf8(about::authorPatronymic),
         {1800, 360, 855, 255},
         look.captionFont(8.25, true),
         navy},
        {"Label5", QStringLiteral("Об ошибках в программе пишите на:"), {240, 840, 2655, 375}, look.dialogFont(), {}},
        {"Label4", QString::fromUtf8(about::contactEmail), {600, 1080, 1935, 255}, look.captionFont(8.25, false), blue},
        {"Label7", QStringLiteral("Версия 2.0"), {120, 1440, 975, 255}, look.dialogFont(), {}},
        {"Label6", QStringLiteral("2003 год."), {2040, 1440, 735, 255}, look.dialogFont(), {}},
    };
    // Said to a screen reader as the window opens, a line at a time as the window shows them.
    m_spoken = frame->title().trimmed();
    int lineTop = -1;
    for (const LabelSpec& spec : labels) {
        m_spoken += spec.rect.top == lineTop ? QLatin1Char(' ') : QLatin1Char('\n');
        m_spoken += spec.text.trimmed();
        lineTop = spec.rect.top;
        auto* label = new QLabel(spec.text, frame);
        label->setObjectName(QString::fromLatin1(spec.name));
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setWordWrap(true);
        label->setGeometry(spec.rect.toPixels());
        label->setFont(spec.font);
        if (spec.colour.isValid()) {
            QPalette labelColours = label->palette();
            labelColours.setColor(QPalette::WindowText, readableOn(spec.colour, face));
            label->setPalette(labelColours);
        }
    }

    const QSize size(fromTwips(clientWidth), fromTwips(clientHeight));
    setFixedSize(size);
    placeWindow(this, &centredFrame);
}

void Fr5::showEvent(QShowEvent* event)
{
    keepOffTaskbar(this);
    QWidget::showEvent(event);
}

void Fr5::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    // Said once the window is active, when a screen reader listens to it: said as it is shown, the texts were lost
    // whenever the window manager activated it later. Not as the window's description: a screen reader that reads a
    // dialog's description as its text says it twice.
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        announce(this, m_spoken);
}

} // namespace kalendix
