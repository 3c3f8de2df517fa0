#pragma once
// Base of every window: fixed size in twips, title bar without close,
// minimise or maximise box, centred when first shown, deaf to close
// requests (a screen is left only through its own buttons).
#include <QWidget>

namespace furlox {

class Screens;
struct GameState;

class Screen : public QWidget {
    Q_OBJECT
public:
    enum class Frame { Dialog, None };
    Screen(Screens& screens, const QString& name, const QString& caption, int clientWidth,
           int clientHeight, Frame frame = Frame::Dialog);

    // Shows the record's current values; called on show and after handlers.
    virtual void refresh() {}

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // Sets the client size in twips (the computer difficulty screen grows).
    void setClientSize(int width, int height);
    // Where controls go: the whole window, or the area under a menu bar.
    QWidget* client() { return client_; }
    void setClient(QWidget* client) { client_ = client; }

    Screens& screens_;
    GameState& state_;

private:
    QWidget* client_ = this;
    bool centred_ = false;
};

}  // namespace furlox
