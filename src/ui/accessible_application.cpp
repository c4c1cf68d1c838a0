#include "ui/accessible_application.h"

#include <QAccessible>
#include <QAccessibleObject>
#include <QApplication>
#include <QWidget>

namespace torvel {

namespace {

QWidgetList shownWindows() {
    QWidgetList out;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && w->windowType() != Qt::Desktop && w->windowType() != Qt::ToolTip) {
            out << w;
        }
    }
    return out;
}

class ApplicationAccessible final : public QAccessibleObject {
public:
    ApplicationAccessible()
        : QAccessibleObject(qApp) {}

    QWindow* window() const override { return nullptr; }
    int childCount() const override { return static_cast<int>(shownWindows().size()); }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child ? static_cast<int>(shownWindows().indexOf(child->object())) : -1;
    }
    QAccessibleInterface* child(int index) const override {
        const QWidgetList windows = shownWindows();
        return index >= 0 && index < windows.size()
                   ? QAccessible::queryAccessibleInterface(windows.at(index))
                   : nullptr;
    }
    QAccessibleInterface* parent() const override { return nullptr; }
    QAccessibleInterface* focusChild() const override {
        QWidget* focus = QApplication::focusWidget();
        return focus ? QAccessible::queryAccessibleInterface(focus) : nullptr;
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) {
            return QApplication::applicationDisplayName();
        }
        if (t == QAccessible::Description) {
            return QApplication::applicationFilePath();
        }
        return {};
    }
    QAccessible::Role role() const override { return QAccessible::Application; }
    QAccessible::State state() const override { return {}; }
};

QAccessibleInterface* applicationAccessible(const QString&, QObject* object) {
    return object == qApp ? new ApplicationAccessible : nullptr;
}

} // namespace

void installAccessibleApplication() {
    QAccessible::installFactory(applicationAccessible);
}

} // namespace torvel
