#pragma once

#include "shell/skin/TWindowGeometry.h"

#include <QWidget>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListView;
class QPlainTextEdit;
class QPushButton;
class TBitmapButton;
class TDragBar;

// The base of every window: builds the controls of its geometry table (in table order, which is
// the drawing order), places the window at its designed position and runs every handler inside
// the error box. Windows only look up their controls by name and forward events.
class TSkinnedForm : public QWidget {
    Q_OBJECT
public:
    explicit TSkinnedForm(const TWindowGeometry& table, QWidget* parent = nullptr);

    const TWindowGeometry& table() const { return table_; }

    // Visible and in front, where it was last left.
    void showWindow();
    void hideWindow();

    QWidget* control(std::string_view name) const;
    TBitmapButton* button(std::string_view name) const;
    QListView* listBox(std::string_view name) const;
    QLineEdit* edit(std::string_view name) const;
    QCheckBox* checkBox(std::string_view name) const;
    QLabel* image(std::string_view name) const;
    QPlainTextEdit* memo(std::string_view name) const;
    QPushButton* pushButton(std::string_view name) const;
    TDragBar* dragBar() const { return dragBar_; }

    // Buttons and check boxes: a click by mouse or keyboard; images: a left-button click.
    void onClick(std::string_view name, std::function<void()> handler);
    // Images only: pointer movement over the image, button held or not.
    void onMouseMove(std::string_view name, std::function<void()> handler);
    // Closing the window through the system; without a handler the window only hides.
    void onSystemClose(std::function<void()> handler);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* createControl(const TControlGeometry& control);
    void applyTabOrder();
    void bindKeys();
    template <class T> T* controlAs(std::string_view name) const;

    const TWindowGeometry& table_;
    std::map<std::string, QWidget*, std::less<>> controls_;
    std::map<QObject*, std::function<void()>> clickHandlers_;
    std::map<QObject*, std::function<void()>> moveHandlers_;
    std::function<void()> systemClose_;
    TDragBar* dragBar_ = nullptr;
};
