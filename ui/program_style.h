#pragma once

#include <QProxyStyle>

namespace kalendix {

// The program-wide style: the platform's own, except that icons the windows rarely or never show are loaded when
// first drawn instead of when their widget is made. Every menu bar asks for its overflow button's icon as it is
// built, and reading that one image loads and asks each image plugin in turn before the main window can appear.
class ProgramStyle final : public QProxyStyle
{
    Q_OBJECT

public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap standardIcon,
                       const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

} // namespace kalendix
