#pragma once
// The splash window `frmSplash`: the program's name and edition over a drawing of
// an arch bridge, with music. A click opens the main window; a key, or closing the
// splash, ends the program when no other window of it is open.
#include "shell/musicplayer.h"

#include <QWidget>
#include <memory>

class QLabel;

class FrmSplash : public QWidget {
    Q_OBJECT
public:
    // The backend plays "Internet.mid" from the program's folder.
    explicit FrmSplash(std::unique_ptr<MusicBackend> backend = makeMusicBackend(),
                       QWidget* parent = nullptr);
    ~FrmSplash() override;

    // The splash of this run, while it exists.
    static FrmSplash* instance();

    MusicPlayer& player() { return m_player; }
    QLabel* label(int n) const; // Label1 .. Label3

    // Back after the exit sequence: music again and the closing caption.
    void showAgain();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void build();
    void load();
    // A window of the program besides the splash is on screen.
    bool otherWindowOpen() const;

    MusicPlayer m_player;
    bool m_exited = false; // shown again by the exit sequence: every key ends
    QLabel* m_labels[3] = {nullptr, nullptr, nullptr};
    QLabel* m_hint = nullptr; // how to go on: after the exit sequence every key ends
};
