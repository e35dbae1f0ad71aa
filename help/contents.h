#pragma once
// The contents page `sommario`: the list of the help topics, each entry opening
// its page; the first nine have an arrow button beside them.
#include <QString>
#include <QStringList>
#include <QWidget>
#include <vector>

class ClsResize;
class QLabel;
class QPushButton;

struct ContentsEntry {
    QString caption; // with its leading blanks
    QString window;  // object name of the page it opens ("frmTip" for the tips)
};
// The entries in the order of the page.
std::vector<ContentsEntry> contentsEntries();
QStringList contentsCaptions();

class Sommario : public QWidget {
    Q_OBJECT
public:
    explicit Sommario(QWidget* parent = nullptr);

    // Opens the window of entry i (1-based), as a click on it or on its arrow does.
    void openEntry(int index);
    // Makes entry i bold and every other entry non-bold; 0: all non-bold.
    void setBoldEntry(int index);

    void cmdstampa_Click();
    void cmdChiudi_Click();
    void Command1_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    int entryIndex(QObject* object) const; // 1-based, 0 when not an entry
    void setPressed(int index, bool pressed);

    std::vector<QLabel*> m_entries;
    ClsResize* m_resizer = nullptr;
};
