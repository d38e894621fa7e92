#include "program_style.h"

#include "colours.h"
#include "qt_versions.h"

#include <QHash>
#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPointer>
#include <QStyleOption>

#include <algorithm>

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
    // The held icon is asked in logical pixels; a size taken in the wrong unit gives a pixmap that is too small or
    // too coarse.
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        const bool devicePixels = qt_versions::iconEnginesAreGivenDevicePixels();
        return icon().pixmap(devicePixels ? size / scale : size, scale, mode, state);
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

size_t qHash(const ProgramStyle::FaceKey& key, size_t seed)
{
    return qHashMulti(seed, int(key.face), key.state, key.palette, key.size.width(), key.size.height());
}

template <typename Draw> QColor ProgramStyle::drawnFace(const QStyleOption* option, Face face, Draw draw) const
{
    const bool button = face == Face::Button;
    const QColor fallback = option->palette.color(button ? QPalette::Button : QPalette::Base);
    const FaceKey key{face, quint32(option->state), option->palette.cacheKey(), option->rect.size()};
    if (const auto known = m_drawnFaces.constFind(key); known != m_drawnFaces.cend())
        return *known;
    // The face as the style draws it, not as the palette says: native styles paint some controls in colours of
    // their own. The most common colour of the element drawn once aside, kept for every paint after.
    QColor found = fallback;
    QImage image(option->rect.size(), QImage::Format_ARGB32_Premultiplied);
    if (!image.isNull()) {
        image.fill(Qt::transparent);
        QPainter aside(&image);
        aside.translate(-option->rect.topLeft());
        draw(&aside);
        aside.end();
        QHash<QRgb, int> counts;
        for (int y = 0; y < image.height(); ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x)
                if (qAlpha(line[x]) == 255)
                    ++counts[line[x]];
        }
        if (!counts.isEmpty())
            found = QColor::fromRgb(std::max_element(counts.cbegin(), counts.cend()).key());
    }
    // The palettes and states a program meets are few; a bound keeps a long session from collecting stale ones.
    if (m_drawnFaces.size() >= 64)
        m_drawnFaces.clear();
    m_drawnFaces.insert(key, found);
    return found;
}

template <typename Draw>
void ProgramStyle::drawMarked(const QStyleOption* option, QPainter* painter, Face face, Draw draw) const
{
    ++m_depth;
    draw(painter);
    if (m_depth == 1 && (option->state & State_HasFocus) && !option->rect.isEmpty()) {
        const bool button = face == Face::Button;
        // The text colour, not the highlight: a default button's outline is already drawn in the highlight colour.
        const QColor text = option->palette.color(button ? QPalette::ButtonText : QPalette::Text);
        const QColor shown = drawnFace(option, face, draw);
        QColor ring = text;
        if (contrastRatio(text, shown) < 3.0)
            ring = contrastRatio(Qt::black, shown) >= contrastRatio(Qt::white, shown) ? QColor(Qt::black)
                                                                                      : QColor(Qt::white);
        painter->save();
        QPen pen(ring, focusRingWidth);
        pen.setJoinStyle(Qt::MiterJoin);
        painter->setPen(pen);
        painter->setBrush(Qt::NoBrush);
        constexpr qreal inset = focusRingWidth / 2.0;
        painter->drawRect(QRectF(option->rect).adjusted(inset, inset, -inset, -inset));
        painter->restore();
    }
    --m_depth;
}

void ProgramStyle::drawPrimitive(PrimitiveElement element,
                                 const QStyleOption* option,
                                 QPainter* painter,
                                 const QWidget* widget) const
{
    const auto draw = [&](QPainter* target) { QProxyStyle::drawPrimitive(element, option, target, widget); };
    // A frameless line edit is the inner editor of a field drawn around it, which carries the ring itself.
    const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
    if (element == PE_PanelLineEdit && frame && frame->lineWidth > 0)
        drawMarked(option, painter, Face::Field, draw);
    else
        draw(painter);
}

void ProgramStyle::drawControl(ControlElement element,
                               const QStyleOption* option,
                               QPainter* painter,
                               const QWidget* widget) const
{
    const auto draw = [&](QPainter* target) { QProxyStyle::drawControl(element, option, target, widget); };
    if (element == CE_PushButton)
        drawMarked(option, painter, Face::Button, draw);
    else
        draw(painter);
}

void ProgramStyle::drawComplexControl(ComplexControl control,
                                      const QStyleOptionComplex* option,
                                      QPainter* painter,
                                      const QWidget* widget) const
{
    const auto draw = [&](QPainter* target) { QProxyStyle::drawComplexControl(control, option, target, widget); };
    if (control == CC_ComboBox)
        drawMarked(option, painter, Face::Field, draw);
    else
        draw(painter);
}

} // namespace kalendix
