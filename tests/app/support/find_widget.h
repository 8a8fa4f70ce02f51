#pragma once

#include <gtest/gtest.h>

#include <QObject>
#include <QStringList>

namespace vork::test {

// The child of `root` named `name`, of type T; on failure the test fails with the names of the
// children of that type that `root` has, and null is returned.
template <class T>
T* Find(const QObject& root, const QString& name) {
    if (T* found = root.findChild<T*>(name)) return found;
    QStringList seen;
    for (const T* child : root.findChildren<T*>())
        if (!child->objectName().isEmpty()) seen << child->objectName();
    seen.sort();
    ADD_FAILURE() << "no " << T::staticMetaObject.className() << " named " << name.toStdString()
                  << " in " << root.objectName().toStdString()
                  << "; names seen: " << seen.join(' ').toStdString();
    return nullptr;
}

}  // namespace vork::test
