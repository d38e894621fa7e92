#pragma once

#include "clock.h"
#include "look.h"

#include "core/statistics.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <vector>

class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;
class QTimer;

namespace kalendix {

class DatePicker;
class FloatProgressBar;
class Form3;
class Fr5;

// The main window: a date, "Start>>", a one-second progress animation and the seven elapsed-time figures, below a
// menu bar. A plain window with the bar in its layout: it has no tool bars, docks or status bar, and a QMainWindow's
// layout machinery for them costs as much memory at start as any two of its controls.
class Form1 final : public QWidget
{
    Q_OBJECT

public:
    Form1(Clock clock, Look look, QWidget* parent = nullptr);
    ~Form1() override;

    // The date the last finished run counted to.
    double runDate() const { return m_runDate; }

    QMenuBar* menuBar() const { return m_menuBar; }
    // The area below the menu bar that holds the controls.
    QWidget* client() const { return m_client; }

    // The side windows while they exist; null before their first command and after they are closed.
    Form3* millenniumWindow() const;
    Fr5* aboutWindow() const;

public slots:
    void startRun();
    void onTick();
    void openMillenniumWindow();
    void openAboutWindow();
    void exitProgram();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createControls();
    void createMenus();
    void placeOnScreen();
    QLineEdit* box(Figure figure) const { return m_boxes[indexOf(figure)]; }
    // The side windows that are open (or closing), in the menu's order.
    std::vector<QWidget*> sideWindows() const;

    Clock m_clock;
    Look m_look;
    double m_runDate = 0.0;

    QMenuBar* m_menuBar = nullptr;
    QWidget* m_client = nullptr;
    QLabel* Label1 = nullptr;
    DatePicker* DT = nullptr;
    QPushButton* Command1 = nullptr;
    QLabel* Label2 = nullptr;
    // The result boxes T1 to T7, by figure.
    std::array<QLineEdit*, figureCount> m_boxes{};
    FloatProgressBar* ProgressBar1 = nullptr;
    QTimer* Timer1 = nullptr;

    // Top-level windows of their own, without an owner: they are deleted on close and made afresh on demand.
    QPointer<Form3> m_millenniumWindow;
    QPointer<Fr5> m_aboutWindow;
};

} // namespace kalendix
