#pragma once
// Finds a named part of a widget tree (see the object names the popover
// gives its parts). Our widgets have no meta-object of their own, so
// findChild<T> cannot tell them apart by type: the name finds the widget
// and dynamic_cast checks it.

#include <QList>
#include <QString>
#include <QWidget>

namespace torvel::test {

template <class T> T* part(const QWidget& root, const char* name) {
    return dynamic_cast<T*>(root.findChild<QWidget*>(QString::fromLatin1(name)));
}

// Every part of that name, in the tree's order.
template <class T> QList<T*> parts(const QWidget& root, const char* name) {
    QList<T*> out;
    for (QWidget* w : root.findChildren<QWidget*>(QString::fromLatin1(name))) {
        if (auto* typed = dynamic_cast<T*>(w)) {
            out << typed;
        }
    }
    return out;
}

} // namespace torvel::test
