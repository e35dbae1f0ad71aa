#pragma once
// Keeps a window's layout proportional to its size: every control's design geometry
// is recorded once and rescaled by the ratio of the current inner size to the
// recorded one. Fonts are not scaled. A control's dynamic property "Tag" may limit
// the edges scaled: "@" followed by the letters L, T, W, H (any case).
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <QWidget>
#include <vector>

class ClsResize : public QObject {
    Q_OBJECT
public:
    explicit ClsResize(QObject* parent = nullptr);

    QWidget* SourceForm() const { return m_form; }
    void setSourceForm(QWidget* form);

    // Records the controls when not yet done, then sizes the window to the given
    // percentage of the screen, centred, and rescales the controls.
    void SizeFormToScreen(int percentage);
    void ResizeControls();
    void ReInitialise();
    // Records the controls as they stand, laid out for an inner area of the given
    // design size (the window need not have that size yet).
    void RecordDesign(const QSize& designInner);

    // Window sizes of the program are given in twips (1/1440 inch).
    static int twipsToPixels(int twips, const QWidget* widget = nullptr);
    static int pixelsToTwips(int pixels, const QWidget* widget = nullptr);

    // Which edges a Tag text asks to scale.
    struct Edges {
        bool left = true, top = true, width = true, height = true;
    };
    static Edges edgesFromTag(const QString& tag);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Record {
        QPointer<QWidget> control;
        QRect geometry;
    };
    QWidget* innerArea() const;
    void record();

    QPointer<QWidget> m_form;
    std::vector<Record> m_controls;
    QSize m_recordedInner;
    bool m_needsRecording = true;
};
