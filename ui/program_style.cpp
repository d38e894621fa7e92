#include "program_style.h"

#include <QIconEngine>
#include <QLibraryInfo>
#include <QPointer>

namespace kalendix {

namespace {

// Stands for one of the style's icons and fetches it the first time anything asks what it looks like.
class DeferredIconEngine final : public QIconEngine
{
public:
    DeferredIconEngine(QStyle* style, QStyle::StandardPixmap which)
        : m_style(style)
        , m_which(which)
    {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, 1.0, mode, state);
    }
    // Qt before 6.8 hands this the size in device pixels, Qt 6.8 and later in logical ones (QIcon::pixmap()'s own
    // documentation says so); the held icon is asked in logical ones. Nothing in the call tells the two apart, and a
    // size taken in the wrong one gives a pixmap that is too small or too coarse, so the Qt the program runs on
    // decides, not the one it was built with.
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        static const bool givenInDevicePixels = QLibraryInfo::version() < QVersionNumber(6, 8);
        return icon().pixmap(givenInDevicePixels ? size / scale : size, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return pixmap(size, mode, state).size();
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    // Widgets ask this as they are built and laid out; answered without loading, as the style has each of its icons.
    bool isNull() override { return m_loaded ? m_icon.isNull() : m_style.isNull(); }
    QString key() const override { return QStringLiteral("kalendix.deferred"); }
    QIconEngine* clone() const override { return new DeferredIconEngine(*this); }

private:
    const QIcon& icon()
    {
        if (!m_loaded && m_style) {
            m_icon = m_style->standardIcon(m_which);
            m_loaded = true;
        }
        return m_icon;
    }

    QPointer<QStyle> m_style;
    QStyle::StandardPixmap m_which;
    QIcon m_icon;
    bool m_loaded = false;
};

} // namespace

QIcon ProgramStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption* option, const QWidget* widget) const
{
    if (standardIcon == SP_ToolBarHorizontalExtensionButton || standardIcon == SP_ToolBarVerticalExtensionButton)
        return QIcon(new DeferredIconEngine(baseStyle(), standardIcon));
    return QProxyStyle::standardIcon(standardIcon, option, widget);
}

} // namespace kalendix
