#include "shell/skin/TSkinnedForm.h"

#include "shell/skin/TAccessibleName.h"
#include "shell/skin/TBitmapButton.h"
#include "shell/skin/TDragBar.h"
#include "shell/skin/TErrorBox.h"
#include "shell/skin/TSkinPixmap.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <algorithm>
#include <stdexcept>

namespace {

QFont skinFont()
{
    QFont font("DejaVu Sans");
    font.setPointSize(8);
    return font;
}

Qt::WindowFlags flagsFor(TFrame frame)
{
    switch (frame) {
    case TFrame::Skinned:
        return Qt::Window | Qt::FramelessWindowHint;
    case TFrame::Dialog:
        return Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    case TFrame::ToolWindow:
    case TFrame::ToolWindowSizeable:
        return Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    }
    return Qt::Window;
}

} // namespace

TSkinnedForm::TSkinnedForm(const TWindowGeometry& table, QWidget* parent)
    : QWidget(parent, flagsFor(table.frame))
    , table_(table)
{
    setObjectName(table.name);
    setWindowTitle(QString::fromUtf8(table.caption));
    setFont(skinFont());
    if (table.frame == TFrame::ToolWindowSizeable)
        resize(table.width, table.height);
    else
        setFixedSize(table.width, table.height);
    move(table.left, table.top);
    for (const TControlGeometry& control : table.controls) {
        if (QWidget* widget = createControl(control)) {
            widget->setObjectName(control.name);
            widget->setGeometry(control.x, control.y, control.w, control.h);
            if (std::string name = ::accessibleName(table, control); !name.empty())
                widget->setAccessibleName(QString::fromUtf8(name));
            controls_.emplace(control.name, widget);
        }
    }
    applyTabOrder();
    bindKeys();
}

QWidget* TSkinnedForm::createControl(const TControlGeometry& control)
{
    switch (control.kind) {
    case TControlKind::Background:
    case TControlKind::Picture: {
        auto* label = new QLabel(this);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        if (control.kind == TControlKind::Background)
            label->setPixmap(skinPixmap(backgroundResource(table_)));
        else if (control.glyph != TGlyph::None)
            label->setPixmap(skinPixmap(pictureResource(table_, control)));
        label->setMouseTracking(true);
        label->installEventFilter(this);
        return label;
    }
    case TControlKind::DragBar:
        dragBar_ = new TDragBar(this);
        return dragBar_;
    case TControlKind::BitmapButton: {
        auto* button = new TBitmapButton(this, skinPixmap(pictureResource(table_, control)));
        button->setToolTip(QString::fromUtf8(control.hint));
        return button;
    }
    case TControlKind::ListBox: {
        auto* list = new QListView(this);
        list->setUniformItemSizes(true);
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->setEditTriggers(QAbstractItemView::NoEditTriggers);
        return list;
    }
    case TControlKind::Edit: {
        auto* edit = new QLineEdit(QString::fromLocal8Bit(control.caption), this);
        edit->setReadOnly(true);
        return edit;
    }
    case TControlKind::CheckBox:
        return new QCheckBox(QString::fromUtf8(control.caption), this);
    case TControlKind::Memo: {
        auto* memo = new QPlainTextEdit(this);
        memo->setReadOnly(true);
        return memo;
    }
    case TControlKind::PushButton:
        return new QPushButton(QString::fromUtf8(control.caption), this);
    case TControlKind::Label: {
        auto* label = new QLabel(QString::fromUtf8(control.caption), this);
        if (control.style == TTextStyle::Bold) {
            QFont bold = font();
            bold.setBold(true);
            bold.setPixelSize(16);
            label->setFont(bold);
        }
        return label;
    }
    case TControlKind::Text:
    case TControlKind::Well:
    case TControlKind::WhiteArea:
    case TControlKind::Emblem:
        return nullptr; // painted into the background
    }
    return nullptr;
}

void TSkinnedForm::applyTabOrder()
{
    std::vector<std::pair<int, QWidget*>> order;
    for (const TControlGeometry& control : table_.controls) {
        auto found = controls_.find(control.name);
        if (found == controls_.end())
            continue;
        QWidget* widget = found->second;
        if (control.tabOrder >= 0)
            order.emplace_back(control.tabOrder, widget);
        else if (qobject_cast<QAbstractButton*>(widget))
            widget->setFocusPolicy(Qt::ClickFocus);
        else
            widget->setFocusPolicy(Qt::NoFocus);
    }
    std::stable_sort(order.begin(), order.end(), [](auto& a, auto& b) { return a.first < b.first; });
    for (auto& [rank, widget] : order)
        widget->setFocusPolicy(Qt::StrongFocus);
    for (size_t i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1].second, order[i].second);
}

void TSkinnedForm::bindKeys()
{
    auto bind = [this](const char* name, QKeySequence key) {
        if (!*name)
            return;
        auto* shortcut = new QShortcut(key, this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, name] {
            if (auto* button = qobject_cast<QAbstractButton*>(control(name)); button && button->isEnabled())
                button->click();
        });
    };
    bind(table_.cancelButton, QKeySequence(Qt::Key_Escape));
    bind(table_.defaultButton, QKeySequence(Qt::Key_Return));
    bind(table_.defaultButton, QKeySequence(Qt::Key_Enter));
}

void TSkinnedForm::showWindow()
{
    if (isMinimized())
        showNormal();
    show();
    raise();
    activateWindow();
}

void TSkinnedForm::hideWindow()
{
    hide();
}

QWidget* TSkinnedForm::control(std::string_view name) const
{
    auto found = controls_.find(name);
    if (found == controls_.end())
        throw std::logic_error(std::string(table_.name) + " has no control " + std::string(name));
    return found->second;
}

template <class T> T* TSkinnedForm::controlAs(std::string_view name) const
{
    auto* widget = qobject_cast<T*>(control(name));
    if (!widget)
        throw std::logic_error(std::string(table_.name) + "." + std::string(name) + " is of another kind");
    return widget;
}

TBitmapButton* TSkinnedForm::button(std::string_view name) const
{
    return controlAs<TBitmapButton>(name);
}
QListView* TSkinnedForm::listBox(std::string_view name) const
{
    return controlAs<QListView>(name);
}
QLineEdit* TSkinnedForm::edit(std::string_view name) const
{
    return controlAs<QLineEdit>(name);
}
QCheckBox* TSkinnedForm::checkBox(std::string_view name) const
{
    return controlAs<QCheckBox>(name);
}
QLabel* TSkinnedForm::image(std::string_view name) const
{
    return controlAs<QLabel>(name);
}
QPlainTextEdit* TSkinnedForm::memo(std::string_view name) const
{
    return controlAs<QPlainTextEdit>(name);
}
QPushButton* TSkinnedForm::pushButton(std::string_view name) const
{
    return controlAs<QPushButton>(name);
}

void TSkinnedForm::onClick(std::string_view name, std::function<void()> handler)
{
    QWidget* widget = control(name);
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        connect(button, &QAbstractButton::clicked, this, guarded(std::move(handler)));
    else
        clickHandlers_[widget] = std::move(handler);
}

void TSkinnedForm::onMouseMove(std::string_view name, std::function<void()> handler)
{
    moveHandlers_[control(name)] = std::move(handler);
}

void TSkinnedForm::onSystemClose(std::function<void()> handler)
{
    systemClose_ = std::move(handler);
}

bool TSkinnedForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseMove) {
        if (auto found = moveHandlers_.find(watched); found != moveHandlers_.end())
            TErrorBox::run(found->second);
    } else if (event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        auto* widget = static_cast<QWidget*>(watched);
        auto found = clickHandlers_.find(watched);
        if (found != clickHandlers_.end() && mouse->button() == Qt::LeftButton
            && widget->rect().contains(mouse->position().toPoint()))
            TErrorBox::run(found->second);
    }
    return QWidget::eventFilter(watched, event);
}

void TSkinnedForm::closeEvent(QCloseEvent* event)
{
    if (systemClose_) {
        event->ignore();
        TErrorBox::run(systemClose_);
    } else {
        QWidget::closeEvent(event);
    }
}
