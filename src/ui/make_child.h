#pragma once
// The one place where windows create the widgets and layouts they own: Qt's parent takes
// the object over, so nothing here is deleted by hand.
#include <QBoxLayout>
#include <QString>
#include <QWidget>
#include <memory>
#include <type_traits>
#include <utility>

namespace veltora {

// A widget named `objectName` owned by `parent` (its window flags, e.g. a menu's, are kept).
template <class T, class... Args>
T* MakeChild(QWidget* parent, const QString& objectName, Args&&... args) {
    static_assert(std::is_base_of_v<QWidget, T>);
    auto owned = std::make_unique<T>(std::forward<Args>(args)...);
    owned->setObjectName(objectName);
    owned->setParent(parent, owned->windowFlags());
    return owned.release();
}

// A layout installed on `widget`, which owns it.
template <class T>
T* MakeLayout(QWidget* widget) {
    auto owned = std::make_unique<T>();
    T* layout = owned.get();
    widget->setLayout(owned.release());
    return layout;
}

// A layout nested in `outer`, which owns it.
template <class T, class Outer>
T* MakeNestedLayout(Outer* outer) {
    auto owned = std::make_unique<T>();
    T* layout = owned.get();
    outer->addLayout(owned.release());
    return layout;
}

}  // namespace veltora
