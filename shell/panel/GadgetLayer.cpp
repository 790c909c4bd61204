#include "shell/panel/GadgetLayer.h"

#include <QCheckBox>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "settings/GadgetTable.h"
#include "shell/panel/CommentEditor.h"
#include "shell/panel/ControlCharacters.h"
#include "shell/panel/DateField.h"
#include "shell/panel/PanelLabel.h"
#include "shell/panel/SpinField.h"
#include "shell/panel/SpokenNames.h"

namespace orvalis {
namespace {

// Small enough that every caption fits its rectangle, in pixels so that the
// screen's resolution cannot make it overflow.
QFont panelFont() {
  QFont font(QStringLiteral("DejaVu Sans Condensed"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(10);
  return font;
}

QString fromLatin1(const std::string& text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

std::string toLatin1(const QString& text) {
  return text.toLatin1().toStdString();
}

// The caption keeps its underlined letter, but Alt+letter must not click:
// the letters act through the Ctrl keys.
void setCaption(QAbstractButton& button, const QString& caption) {
  button.setText(caption);
  button.setShortcut(QKeySequence());
}

void makeReadOnly(QLineEdit& edit) {
  edit.setReadOnly(true);
  QPalette grey = edit.palette();
  grey.setColor(QPalette::Base, grey.color(QPalette::Window));
  edit.setPalette(grey);
}

QLineEdit* makeTextField(bool readOnly, QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  if (readOnly) {
    makeReadOnly(*edit);
  } else {
    keepControlCharactersOut(*edit);
  }
  return edit;
}

QAbstractButton* makeButton(GadgetKind kind, const QString& caption, QWidget* parent) {
  QAbstractButton* button = nullptr;
  switch (kind) {
    case GadgetKind::Check:
      button = new QCheckBox(parent);
      break;
    case GadgetKind::Option:
      button = new QRadioButton(parent);
      break;
    default:
      button = new QPushButton(parent);
      button->setCheckable(kind == GadgetKind::Toggle);
      break;
  }
  setCaption(*button, caption);
  return button;
}

}  // namespace

void GadgetLayer::report(GadgetId id) {
  if (!notificationsHeld_) {
    notify_(id);
  }
}

GadgetLayer::GadgetLayer(QWidget& panel, std::function<void(GadgetId)> notify)
    : notify_(std::move(notify)) {
  for (const GadgetRow& row : gadgetTable()) {
    const QString caption = QString::fromUtf8(row.caption);
    QWidget* widget = nullptr;
    switch (row.kind) {
      case GadgetKind::Label:
        widget = new PanelLabel(caption, &panel);
        break;
      case GadgetKind::Spin: {
        auto* spin = new SpinField(*row.range, &panel);
        if (row.readOnly) {
          makeReadOnly(spin->edit());
        }
        QObject::connect(spin, &SpinField::textChanged, [this, id = row.id] { report(id); });
        widget = spin;
        break;
      }
      case GadgetKind::TextField:
        widget = makeTextField(row.readOnly, &panel);
        break;
      case GadgetKind::DateField:
        widget = new DateField(&panel);
        break;
      case GadgetKind::Editor:
        widget = new CommentEditor(&panel);
        break;
      case GadgetKind::None:
        continue;
      default: {
        QAbstractButton* control = makeButton(row.kind, caption, &panel);
        QObject::connect(control, &QAbstractButton::clicked, [this, id = row.id] { report(id); });
        widget = control;
        break;
      }
    }
    const GadgetRectangle& place = row.rectangle;
    widget->setGeometry(place.x, place.y, place.width, place.height);
    add(row.id, widget);
  }
  nameForScreenReaders();
}

// Buttons and labels are read by their captions; a field takes the caption
// of its label, and so do the parts that take the focus.
void GadgetLayer::nameForScreenReaders() {
  for (const GadgetRow& row : gadgetTable()) {
    QWidget* widget = gadget(row.id);
    widget->setAccessibleDescription(QString::fromUtf8(row.description));
    if (!row.namedBy) {
      continue;
    }
    const QString name = spokenCaption(fromLatin1(gadgetText(*row.namedBy)));
    widget->setAccessibleName(name);
    if (row.kind == GadgetKind::Spin) {
      static_cast<SpinField*>(widget)->edit().setAccessibleName(name);
    } else if (row.kind == GadgetKind::DateField) {
      static_cast<DateField*>(widget)->check().setAccessibleName(name);
      static_cast<DateField*>(widget)->editor().setAccessibleName(name);
    }
  }
}

void GadgetLayer::add(GadgetId id, QWidget* widget) {
  // Explicit, so that a control moved to another window keeps the font.
  widget->setFont(panelFont());
  // Tab does not move between the controls, nor within one; a click focuses.
  auto parts = widget->findChildren<QWidget*>();
  parts.append(widget);
  for (QWidget* part : parts) {
    if (part->focusPolicy() != Qt::NoFocus) {
      part->setFocusPolicy(Qt::ClickFocus);
    }
  }
  widgets_[static_cast<int>(id)] = widget;
}

void GadgetLayer::applyStartValues() {
  for (const GadgetRow& row : gadgetTable()) {
    if (row.id == GadgetId::SizeXSpin || row.id == GadgetId::SizeYSpin) {
      continue;
    }
    if (const auto range = spinRange(row.id)) {
      setGadgetValue(row.id, range->start);
    }
  }
  setGadgetValue(GadgetId::SizeYSpin, spinRange(GadgetId::SizeYSpin)->start);
  setGadgetValue(GadgetId::SizeXSpin, spinRange(GadgetId::SizeXSpin)->start);
  setGadgetValue(GadgetId::NormalOption, 1);
}

QWidget* GadgetLayer::gadget(GadgetId id) const {
  const int number = static_cast<int>(id);
  return number >= 0 && number < gadgetCount ? widgets_[number].data() : nullptr;
}

long long GadgetLayer::gadgetValue(GadgetId id) {
  QWidget* widget = gadget(id);
  if (widget == nullptr) {
    return 0;
  }
  switch (gadgetKind(id)) {
    case GadgetKind::Toggle:
    case GadgetKind::Check:
    case GadgetKind::Option:
      return static_cast<QAbstractButton*>(widget)->isChecked() ? 1 : 0;
    case GadgetKind::Spin:
      return static_cast<SpinField*>(widget)->value();
    case GadgetKind::DateField:
      return static_cast<DateField*>(widget)->value();
    default:
      return 0;
  }
}

void GadgetLayer::setGadgetValue(GadgetId id, long long value) {
  QWidget* widget = gadget(id);
  if (widget == nullptr) {
    return;
  }
  switch (gadgetKind(id)) {
    case GadgetKind::Toggle:
    case GadgetKind::Check:
      static_cast<QAbstractButton*>(widget)->setChecked(value != 0);
      break;
    case GadgetKind::Option: {
      // Selecting clears the other options; clearing touches only this one,
      // which the group's exclusivity would refuse.
      auto* option = static_cast<QAbstractButton*>(widget);
      option->setAutoExclusive(value != 0);
      option->setChecked(value != 0);
      option->setAutoExclusive(true);
      break;
    }
    case GadgetKind::Spin:
      static_cast<SpinField*>(widget)->setValue(value);
      break;
    case GadgetKind::DateField:
      static_cast<DateField*>(widget)->setValue(value);
      break;
    default:
      break;
  }
}

std::string GadgetLayer::gadgetText(GadgetId id) {
  QWidget* widget = gadget(id);
  if (widget == nullptr) {
    return {};
  }
  switch (gadgetKind(id)) {
    case GadgetKind::Button:
    case GadgetKind::Toggle:
    case GadgetKind::Check:
    case GadgetKind::Option:
      return toLatin1(static_cast<QAbstractButton*>(widget)->text());
    case GadgetKind::Label:
      return toLatin1(static_cast<PanelLabel*>(widget)->text());
    case GadgetKind::Spin:
      return toLatin1(static_cast<SpinField*>(widget)->text());
    case GadgetKind::TextField:
      return toLatin1(static_cast<QLineEdit*>(widget)->text());
    case GadgetKind::DateField:
      return toLatin1(static_cast<DateField*>(widget)->text());
    case GadgetKind::Editor:
      return toLatin1(static_cast<CommentEditor*>(widget)->documentText());
    case GadgetKind::None:
      break;
  }
  return {};
}

void GadgetLayer::setGadgetText(GadgetId id, const std::string& text) {
  QWidget* widget = gadget(id);
  if (widget == nullptr) {
    return;
  }
  const QString shown = fromLatin1(text);
  switch (gadgetKind(id)) {
    case GadgetKind::Button:
    case GadgetKind::Toggle:
    case GadgetKind::Check:
    case GadgetKind::Option:
      setCaption(*static_cast<QAbstractButton*>(widget), shown);
      break;
    case GadgetKind::Label:
      static_cast<PanelLabel*>(widget)->setText(shown);
      break;
    case GadgetKind::Spin:
      static_cast<SpinField*>(widget)->setText(shown);
      break;
    case GadgetKind::TextField: {
      // A text longer than the field shows its start, as a web address
      // reads, not the end where setText leaves the cursor.
      auto* field = static_cast<QLineEdit*>(widget);
      field->setText(shown);
      field->setCursorPosition(0);
      break;
    }
    case GadgetKind::Editor:
      static_cast<CommentEditor*>(widget)->setDocumentText(shown);
      break;
    case GadgetKind::DateField:
    case GadgetKind::None:
      break;
  }
}

void GadgetLayer::focusGadget(GadgetId id) {
  QWidget* widget = gadget(id);
  if (widget == nullptr) {
    return;
  }
  if (widget->window()->isVisible()) {
    widget->window()->activateWindow();
  }
  widget->setFocus(Qt::OtherFocusReason);
}

void GadgetLayer::enableGadget(GadgetId id, bool on) {
  if (QWidget* widget = gadget(id)) {
    widget->setEnabled(on);
  }
}

void GadgetLayer::moveGadget(GadgetId id, int x, int y) {
  if (QWidget* widget = gadget(id)) {
    widget->move(x, y);
  }
}

QWidget* GadgetLayer::gadgetHandle(GadgetId id) const {
  QWidget* widget = gadget(id);
  if (widget != nullptr && gadgetKind(id) == GadgetKind::Spin) {
    return &static_cast<SpinField*>(widget)->edit();
  }
  return widget;
}

}  // namespace orvalis
