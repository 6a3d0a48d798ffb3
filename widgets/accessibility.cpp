// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/accessibility.h"

#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QApplication>
#include <QHash>
#include <QPointer>
#include <QWidget>

namespace quorvel {

namespace {

QHash<const QObject*, TAccessibleFace>& Faces() {
    static QHash<const QObject*, TAccessibleFace> faces;
    return faces;
}

class TFacedAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit TFacedAccessible(QWidget* control)
        : QAccessibleWidget(control, Faces().value(control).role) {}

    QAccessible::Role role() const override { return Face().role; }

    QString text(QAccessible::Text t) const override {
        const TAccessibleFace& face = Face();
        switch (t) {
        case QAccessible::Name:
            if (face.name)
                return face.name();
            break;
        case QAccessible::Description:
            if (face.description && widget()->accessibleDescription().isEmpty())
                return face.description();
            break;
        case QAccessible::Value:
            if (face.value)
                return face.value();
            break;
        default: break;
        }
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override {
        const QStringList own = QAccessibleWidget::actionNames();
        return Face().press ? QStringList(pressAction()) + own : own;
    }
    void doAction(const QString& name) override {
        if (name == pressAction() && Face().press)
            Face().press();
        else
            QAccessibleWidget::doAction(name);
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface && Face().number)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QVariant currentValue() const override {
        const std::optional<double> number = Face().number ? Face().number() : std::nullopt;
        return number ? QVariant(*number) : QVariant();
    }
    void setCurrentValue(const QVariant&) override {} // read only
    QVariant maximumValue() const override { return {}; }
    QVariant minimumValue() const override { return {}; }
    QVariant minimumStepSize() const override { return {}; }

private:
    const TAccessibleFace& Face() const {
        static const TAccessibleFace none;
        const auto found = Faces().constFind(object());
        return found == Faces().constEnd() ? none : *found;
    }
};

QAccessibleInterface* FaceFactory(const QString&, QObject* object) {
    if (object && object->isWidgetType() && Faces().contains(object))
        return new TFacedAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

struct TAnnouncement {
    QPointer<QWidget> control;
    QString ownDescription;
};

TAnnouncement& Current() {
    static TAnnouncement announcement;
    return announcement;
}

} // namespace

void SetAccessibleFace(QWidget* control, TAccessibleFace face) {
    static const bool installed = (QAccessible::installFactory(FaceFactory), true);
    Q_UNUSED(installed);
    const bool known = Faces().contains(control);
    Faces().insert(control, std::move(face));
    if (known)
        return;
    QObject::connect(control, &QObject::destroyed, [control] { Faces().remove(control); });
    // An interface Qt made before the control had a face would stay cached for its lifetime.
    QAccessibleInterface* made = QAccessible::queryAccessibleInterface(control);
    if (made && !dynamic_cast<TFacedAccessible*>(made))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

void NotifyFaceChanged(QWidget* control) {
    QAccessibleEvent name(control, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&name);
    const TAccessibleFace face = Faces().value(control);
    if (face.number) {
        const std::optional<double> number = face.number();
        QAccessibleValueChangeEvent value(control, number ? QVariant(*number) : QVariant());
        QAccessible::updateAccessibility(&value);
    }
}

void EndAnnouncement() {
    TAnnouncement& current = Current();
    if (current.control)
        current.control->setAccessibleDescription(current.ownDescription);
    current = {};
}

void Announce(QWidget* control, const QString& text) {
    static const bool watching = (QObject::connect(qApp, &QApplication::focusChanged,
                                                   [](QWidget* left, QWidget*) {
                                                       if (left && left == Current().control)
                                                           EndAnnouncement();
                                                   }),
                                  true);
    Q_UNUSED(watching);
    EndAnnouncement();
    if (!control)
        return;
    Current() = {control, control->accessibleDescription()};
    // The same words again are news again: readers speak only a description that changed.
    if (control->accessibleDescription() == text)
        control->setAccessibleDescription({});
    control->setAccessibleDescription(text);
}

QWidget* AnnouncingControl(QWidget* window) {
    if (!window)
        return nullptr;
    window = window->window();
    QWidget* focused = window->focusWidget();
    return focused ? focused : window;
}

} // namespace quorvel
