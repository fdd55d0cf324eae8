#pragma once

#include "shell/skin/TDragRule.h"

#include <QWidget>

// A transparent strip over a skinned window's title: pressing any mouse button on it and moving
// drags the whole window by the drag rule.
class TDragBar : public QWidget {
    Q_OBJECT
public:
    explicit TDragBar(QWidget* parent);

    const TDragRule& rule() const { return rule_; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPoint onBar(const QMouseEvent* event) const;

    TDragRule rule_;
};
