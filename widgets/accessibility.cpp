// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/accessibility.h"

#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QApplication>
#include <QHash>
#include <QWidget>

namespace quorvel {

namespace {

QHash<const QObject*, AccessibleFace>& Faces() {
    static QHash<const QObject*, AccessibleFace> faces;
    return faces;
}

class FacedAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit FacedAccessible(QWidget* control)
        : QAccessibleWidget(control, Faces().value(control).role) {}

    QAccessible::Role role() const override { return Face().role; }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        if (Face().checked) {
            state.checkable = true;
            state.checked = Face().checked();
        }
        return state;
    }

    QString text(QAccessible::Text t) const override {
        const AccessibleFace& face = Face();
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
    const AccessibleFace& Face() const {
        static const AccessibleFace none;
        const auto found = Faces().constFind(object());
        return found == Faces().constEnd() ? none : *found;
    }
};

QAccessibleInterface* FaceFactory(const QString&, QObject* object) {
    if (object && object->isWidgetType() && Faces().contains(object))
        return new FacedAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

// Where a window's announcements come from: a child that is never drawn, which readers see as a
// notification named by the message. Readers speak a notification as it starts showing, whatever
// has the focus; Qt 6.4 hands readers no text with a change of name or description, so those are
// not spoken as news.
constexpr const char* NoticeName = "Notice";

QWidget* NoticeOf(QWidget* window) {
    if (auto* notice = window->findChild<QWidget*>(NoticeName, Qt::FindDirectChildrenOnly))
        return notice;
    auto* notice = new QWidget(window);
    notice->setObjectName(NoticeName);
    notice->hide();
    return notice;
}

} // namespace

void SetAccessibleFace(QWidget* control, AccessibleFace face) {
    static const bool installed = (QAccessible::installFactory(FaceFactory), true);
    Q_UNUSED(installed);
    const bool known = Faces().contains(control);
    Faces().insert(control, std::move(face));
    if (known)
        return;
    QObject::connect(control, &QObject::destroyed, [control] { Faces().remove(control); });
    // An interface Qt made before the control had a face would stay cached for its lifetime.
    QAccessibleInterface* made = QAccessible::queryAccessibleInterface(control);
    if (made && !dynamic_cast<FacedAccessible*>(made))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

void NotifyFaceChanged(QWidget* control) {
    QAccessibleEvent name(control, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&name);
    const AccessibleFace face = Faces().value(control);
    if (face.number) {
        const std::optional<double> number = face.number();
        QAccessibleValueChangeEvent value(control, number ? QVariant(*number) : QVariant());
        QAccessible::updateAccessibility(&value);
    }
}

void Announce(QWidget* window, const QString& text) {
    // The window the user works in hears it; the one the message concerns may be hidden.
    QWidget* active = QApplication::activeWindow();
    if (!active && !window)
        return;
    QWidget* notice = NoticeOf(active ? active : window->window());
    SetAccessibleFace(notice, {QAccessible::Notification, [text] { return text; }, {}, {}, {}});
    QAccessibleEvent shown(notice, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

} // namespace quorvel
