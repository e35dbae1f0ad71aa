#pragma once
// The tip of the day `frmTip`: one short hint at a time, read from the tips file
// beside the program, one tip per line.
#include <QString>
#include <QStringList>
#include <QWidget>

class QLabel;

// "SuggerimentiPonteluma.TXT" in the program's own folder.
QString TipsFilePath();
// The text shown when the tips file cannot be found or read.
QString MissingTipsText();

class FrmTip : public QWidget {
    Q_OBJECT
public:
    // Loads the tips of the given file (by default the program's own).
    explicit FrmTip(const QString& path = TipsFilePath(), QWidget* parent = nullptr);

    // Appends the lines of the file to the tips and shows the next tip; false when
    // the path is empty or the file cannot be found or read.
    bool LoadTips(const QString& path);
    void DisplayCurrentTip();

    void cmdNextTip_Click();    // next tip, wrapping past the last
    void cmdprecedente_Click(); // previous tip, stopping at the first
    void cmdOK_Click();         // hides the window; tips and position stay

    const QStringList& tips() const { return m_tips; }
    int position() const { return m_position; } // 0 before the first display, then 1..count
    QString tipText() const;

private:
    QStringList m_tips;
    int m_position = 0;
    QLabel* m_tipText = nullptr;
};
