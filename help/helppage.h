#pragma once
// One help page: a title, the page text, and the buttons to print it, to go to the
// contents page and to unload the page.
#include "help/texts.h"

#include <QWidget>

class ClsResize;
class QLabel;
class QScrollArea;

class HelpPage : public QWidget {
    Q_OBJECT
public:
    // The quick manual is shown at its design size: it is not rescaled.
    HelpPage(const HelpText& page, bool rescaled, QWidget* parent = nullptr);

    const HelpText& page() const { return m_page; }
    // True once the page was closed: it is on its way out and is not reused.
    bool isUnloaded() const { return m_unloaded; }

    void cmdStampa_Click();
    void cmdSommario_Click();
    void cmdChiudi_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void load();

    HelpText m_page;
    ClsResize* m_resizer = nullptr;
    bool m_unloaded = false;
};
