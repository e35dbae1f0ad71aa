#pragma once
// The main window `menu`: five groups of typology buttons, one per calculation
// window, and the buttons that open the windows as they are.
#include <QRect>
#include <QWidget>
#include <vector>

class ClsResize;
class QLabel;
class QRadioButton;
class QStatusBar;

class Menu : public QWidget {
    Q_OBJECT
public:
    // Loads the window: rescaler, typologies back to 1, the five calculation
    // windows laid out, their type choosers filled.
    explicit Menu(QWidget* parent = nullptr);
    ~Menu() override;

    // The main window while it is loaded.
    static Menu* instance();

    // Option<group>_<index>, group 1..5, index from 1.
    QRadioButton* option(int group, int index) const;
    ClsResize* resizer() const { return m_resizer; }

    // Click on a typology button.
    void optionClicked(int group, int index);
    // Shows the calculation window at an index of the list as it is.
    void openWindow(int index);
    void aiuto();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Closing the main window is the exit command.
    void closeEvent(QCloseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void build();
    void buildTitle(int width);
    void buildPanels(const std::vector<QRect>& places);
    void buildGroups(const std::vector<QRect>& places);
    void buildCommands(int width);
    void load();
    void fillTypeChoosers();
    void showStatus(const QString& text);
    QString statusAt(QWidget* child) const;

    ClsResize* m_resizer = nullptr;
    QLabel* m_passo = nullptr;
    QStatusBar* m_status = nullptr;
};

// Unloads every window of the program except the splash, the main window and the
// calculation windows first. Windows go at the next turn of the event loop.
void UnloadProgramWindows();
