#include "platform/qt/form_view.h"

#include <algorithm>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyleOptionFrame>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QWheelEvent>

#include "platform/qt/desktop_view.h"
#include "platform/qt/fonts.h"
#include "platform/qt/painter_surface.h"

namespace plat::qt {

// ---- helpers ----

std::vector<int> keyCodes(const QKeyEvent& event) {
    const auto mods = event.modifiers();
    switch (event.key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter: return {plat::kKeyEnter};
        case Qt::Key_Escape: return {plat::kKeyEsc};
        case Qt::Key_Backspace: return {plat::kKeyBack};
        default: break;
    }
    if (mods & Qt::AltModifier) return {};
    if (mods & Qt::ControlModifier) {
        if (event.key() >= Qt::Key_A && event.key() <= Qt::Key_Z) return {event.key() - Qt::Key_A + 1};
        return {};
    }
    std::vector<int> out;
    for (char32_t cp : event.text().toUcs4())
        if (cp >= 32 && cp != 127) out.push_back(static_cast<int>(cp));
    return out;
}

namespace {

constexpr plat::Colour kFormBackColor = 0xC0C0C0;

bool userFocusReason(Qt::FocusReason r) {
    return r == Qt::MouseFocusReason || r == Qt::TabFocusReason || r == Qt::BacktabFocusReason ||
           r == Qt::ShortcutFocusReason;
}

QString qs(const std::string& s) { return QString::fromStdString(s); }

// Selections count characters in the model, UTF-16 units in Qt.
int toChars(const QString& s, int units) { return static_cast<int>(s.left(units).toUcs4().size()); }
int toUnits(const QString& s, int chars) {
    int units = 0;
    for (int i = 0; i < chars && units < s.size(); ++i) units += s[units].isHighSurrogate() ? 2 : 1;
    return std::min(units, static_cast<int>(s.size()));
}

Qt::Alignment toQtAlign(plat::Align a) {
    switch (a) {
        case plat::Align::Right: return Qt::AlignRight;
        case plat::Align::Center: return Qt::AlignHCenter;
        case plat::Align::Left: break;
    }
    return Qt::AlignLeft;
}

QRect rectOf(const plat::Control& c) { return QRect(px(c.left()), px(c.top()), px(c.width()), px(c.height())); }

// Focus and keys of the controls that Qt draws itself (options, checks, buttons, combos),
// and clicks on the passive ones (labels, frames, pictures).

// The input method of an entry box: off for numbers, the best hint Qt has for the others.
void applyImeMode(QWidget& w, plat::ImeMode mode) {
    w.setAttribute(Qt::WA_InputMethodEnabled, mode != plat::ImeMode::Off);
    Qt::InputMethodHints hints = Qt::ImhNone;
    if (mode == plat::ImeMode::Off) hints = Qt::ImhPreferLatin | Qt::ImhNoPredictiveText;
    if (mode == plat::ImeMode::FullWidthAlpha) hints = Qt::ImhPreferLatin;
    if (w.inputMethodHints() != hints) w.setInputMethodHints(hints);
}

class ControlHook : public QObject {
public:
    ControlHook(ControlBinding& binding, QObject* parent) : QObject(parent), binding_(binding) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        plat::Control* c = binding_.control();
        if (!c || binding_.syncing()) return QObject::eventFilter(watched, event);
        switch (event->type()) {
            case QEvent::FocusIn: {
                auto* fe = static_cast<QFocusEvent*>(event);
                if (userFocusReason(fe->reason())) {
                    binding_.dispatch([c] { c->setFocus(); });
                } else if (!c->hasFocus()) {
                    binding_.view().requestSync();
                }
                return false;
            }
            case QEvent::KeyPress: return keyPress(*c, watched, static_cast<QKeyEvent*>(event));
            case QEvent::MouseButtonRelease: {
                auto* me = static_cast<QMouseEvent*>(event);
                if (passive(*c) && me->button() == Qt::LeftButton &&
                    binding_.widget()->rect().contains(binding_.widget()->mapFromGlobal(me->globalPosition().toPoint())))
                    binding_.dispatch([c] { if (c->Click) c->Click(); });
                return false;
            }
            case QEvent::MouseButtonDblClick:
                if (passive(*c)) binding_.dispatch([c] { if (c->DblClick) c->DblClick(); });
                return false;
            case QEvent::Wheel:
                // The wheel over a drawing, a label or a frame belongs to the form: a page
                // viewer scrolls. Handed over here, not left to Qt's propagation, which
                // some events never get.
                if (passive(*c)) {
                    for (QWidget* w = binding_.widget()->parentWidget(); w; w = w->parentWidget()) {
                        if (auto* form = dynamic_cast<FormView*>(w)) {
                            if (!form->isPageViewer()) break;
                            QApplication::sendEvent(form, event);
                            return true;
                        }
                    }
                }
                return false;
            default: return QObject::eventFilter(watched, event);
        }
    }

private:
    static bool passive(const plat::Control& c) {
        auto k = c.kind();
        return k == ControlKind::Label || k == ControlKind::Frame || k == ControlKind::PictureBox ||
               k == ControlKind::Line || k == ControlKind::Shape;
    }

    bool keyPress(plat::Control& c, QObject* watched, QKeyEvent* e) {
        if (e->key() == Qt::Key_Tab || e->key() == Qt::Key_Backtab) return false;
        std::vector<int> codes = keyCodes(*e);
        if (codes.empty()) return false;  // arrows, function keys: Qt's own handling
        if (c.kind() == ControlKind::ComboBox) {
            auto& combo = static_cast<plat::ComboBox&>(c);
            if (combo.style() == plat::ComboBox::Style::DropDownList) {
                // The list's own keyboard search then picks an item (a Click).
                binding_.dispatch([&c, codes] { for (int k : codes) c.keyPress(k); });
                return codes.front() < 32;
            }
            if (codes.front() == plat::kKeyEsc) {
                // Esc in a dialog is its close box; elsewhere only the list's KeyPress sees it.
                binding_.dispatch([&c] { c.keyPress(plat::kKeyEsc); });
                return true;
            }
            QLineEdit* edit = qobject_cast<QLineEdit*>(watched);
            if (auto* box = qobject_cast<QComboBox*>(watched)) edit = box->lineEdit();
            return editableComboKey(c, edit, codes);
        }
        bool option = c.kind() == ControlKind::OptionButton;
        binding_.dispatch([&c, codes, option] {
            for (int k : codes) c.keyPress(k);
            // Space selects an option, as a click does.
            if (option && codes.front() == ' ') static_cast<plat::OptionButton&>(c).userClick();
        });
        return true;
    }

    // An editable combo: KeyPress first (it may change or discard the key), then Qt's line
    // edit inserts at the caret, replacing a selection, as it does for a typed key.
    bool editableComboKey(plat::Control& c, QLineEdit* edit, const std::vector<int>& codes) {
        std::vector<int> out;
        binding_.dispatch([&c, &codes, &out] {
            for (int k : codes) {
                int key = k;
                if (c.KeyPress) c.KeyPress(key);
                out.push_back(key);
            }
        });
        if (!edit || !binding_.control()) return true;  // the form went away in the handler
        if (out == codes && (codes.front() >= 32 || codes.front() == plat::kKeyBack)) return false;
        QString insert;
        for (int k : out)
            if (k >= 32 && k != 127) {
                char32_t cp = static_cast<char32_t>(k);
                insert += QString::fromUcs4(&cp, 1);
            }
        if (out.size() == 1 && out.front() == plat::kKeyBack) {
            edit->backspace();
        } else if (!insert.isEmpty()) {
            edit->insert(insert);
        } else {
            return true;
        }
        auto* combo = static_cast<plat::ComboBox*>(&c);
        binding_.dispatch([combo, t = edit->text().toStdString()] { combo->userEdit(t); });
        return true;
    }

    ControlBinding& binding_;
};

// ---- text box ----

class TextBoxWidget : public QLineEdit, public ControlBinding {
public:
    TextBoxWidget(plat::TextBox& box, DesktopView& view, QWidget* parent)
        : QLineEdit(parent), ControlBinding(box, view) {
        setFocusPolicy(Qt::StrongFocus);
        // Edits made by Qt alone (context menu, drag and drop).
        connect(this, &QLineEdit::textEdited, this, [this] {
            if (!inKey_ && !syncing() && box_()) dispatch([this] { reportEdit(); });
        });
        auto reportSel = [this] {
            if (inKey_ || syncing() || !box_() || !hasFocus()) return;
            if (text().toStdString() == box_()->text()) reportEdit();
        };
        connect(this, &QLineEdit::selectionChanged, this, reportSel);
        connect(this, &QLineEdit::cursorPositionChanged, this, reportSel);
    }

    QWidget* widget() override { return this; }

    void update() override {
        plat::TextBox* b = box_();
        if (!b) return;
        updateCommon();
        QString t = qs(b->text());
        if (text() != t) setText(t);
        setReadOnly(b->locked());
        setMaxLength(b->maxLength() > 0 ? b->maxLength() : 32767);
        setAlignment(toQtAlign(b->alignment()) | Qt::AlignVCenter);
        setFrame(b->borderStyle() != 0);
        applyImeMode(*this, b->imeMode());
        // The selection is shown in the box that has the focus only.
        if (b->hasFocus()) {
            int start = toUnits(t, b->selStart());
            int length = toUnits(t, b->selStart() + b->selLength()) - start;
            auto [qs0, ql] = qtSelection();
            if (qs0 != start || ql != length) {
                if (length > 0)
                    setSelection(start, length);
                else {
                    deselect();
                    setCursorPosition(start);
                }
            }
        }
    }

protected:
    void focusInEvent(QFocusEvent* e) override {
        QLineEdit::focusInEvent(e);
        plat::Control* c = control();
        if (!c || syncing()) return;
        if (userFocusReason(e->reason()))
            dispatch([c] { c->setFocus(); });
        else if (!c->hasFocus())
            view().requestSync();
    }

    void keyPressEvent(QKeyEvent* e) override {
        plat::TextBox* b = box_();
        if (!b) return QLineEdit::keyPressEvent(e);
        std::vector<int> codes = keyCodes(*e);
        bool ctrlLetter = (e->modifiers() & Qt::ControlModifier) && !codes.empty() && codes.front() < 27 &&
                          e->key() >= Qt::Key_A && e->key() <= Qt::Key_Z;
        if (ctrlLetter && isEditShortcut(e->key())) {
            // Copy, cut, paste, undo and select-all: KeyPress may cancel them, then Qt does them.
            int code = codes.front();
            dispatch([this, b, code, e] {
                reportEdit();
                int k = code;
                if (b->KeyPress) b->KeyPress(k);
                if (k == 0) return;
                inKey_ = true;
                QLineEdit::keyPressEvent(e);
                inKey_ = false;
                reportEdit();
            });
            return;
        }
        if (!codes.empty()) {
            // KeyPress runs before the insertion and may change or discard the key;
            // the model inserts and the view writes the text back.
            dispatch([this, b, codes] {
                reportEdit();
                for (int k : codes) b->keyPress(k);
            });
            e->accept();
            return;
        }
        // Delete, arrows, Home/End, shift-selection: Qt edits, the model learns the result.
        inKey_ = true;
        QLineEdit::keyPressEvent(e);
        inKey_ = false;
        dispatch([this] { reportEdit(); });
    }

    void inputMethodEvent(QInputMethodEvent* e) override {
        plat::TextBox* b = box_();
        if (!b || e->commitString().isEmpty()) return QLineEdit::inputMethodEvent(e);
        // The composition goes away; each committed character is one KeyPress.
        QInputMethodEvent preedit(e->preeditString(), e->attributes());
        inKey_ = true;
        QLineEdit::inputMethodEvent(&preedit);
        inKey_ = false;
        std::u32string committed = e->commitString().toStdU32String();
        dispatch([this, b, committed] {
            reportEdit();
            for (char32_t cp : committed) b->keyPress(static_cast<int>(cp));
        });
    }

    void mouseReleaseEvent(QMouseEvent* e) override {
        QLineEdit::mouseReleaseEvent(e);
        if (e->button() != Qt::LeftButton || !box_()) return;
        if (afterDoubleClick_) {
            afterDoubleClick_ = false;
            return;
        }
        // Click comes after Qt placed the caret, so a select-all in Click wins.
        dispatch([this] {
            reportEdit();
            if (plat::TextBox* b = box_(); b && b->Click) b->Click();
        });
    }

    void mouseDoubleClickEvent(QMouseEvent* e) override {
        QLineEdit::mouseDoubleClickEvent(e);
        if (e->button() != Qt::LeftButton || !box_()) return;
        afterDoubleClick_ = true;
        dispatch([this] {
            reportEdit();
            if (plat::TextBox* b = box_(); b && b->DblClick) b->DblClick();
        });
    }

private:
    plat::TextBox* box_() const { return static_cast<plat::TextBox*>(control()); }

    static bool isEditShortcut(int key) {
        return key == Qt::Key_C || key == Qt::Key_V || key == Qt::Key_X || key == Qt::Key_Z || key == Qt::Key_Y ||
               key == Qt::Key_A;
    }

    std::pair<int, int> qtSelection() const {
        if (hasSelectedText()) return {selectionStart(), static_cast<int>(selectedText().size())};
        return {cursorPosition(), 0};
    }

    // Tells the model the text and selection that Qt shows.
    void reportEdit() {
        plat::TextBox* b = box_();
        if (!b) return;
        QString t = text();
        auto [start, length] = qtSelection();
        int cs = toChars(t, start);
        b->userEdit(t.toStdString(), cs, toChars(t, start + length) - cs);
    }

    bool inKey_ = false;
    bool afterDoubleClick_ = false;
};

// ---- label ----

class LabelWidget : public QLabel, public ControlBinding {
public:
    LabelWidget(plat::Label& label, DesktopView& view, QWidget* parent) : QLabel(parent), ControlBinding(label, view) {
        setWordWrap(true);
        setTextFormat(Qt::PlainText);
        setFocusPolicy(Qt::NoFocus);
    }
    QWidget* widget() override { return this; }
    void update() override {
        auto* l = static_cast<plat::Label*>(control());
        if (!l) return;
        updateCommon();
        setAutoFillBackground(!l->transparent());
        QString t = qs(l->caption());
        if (text() != t) setText(t);
        setAlignment(toQtAlign(l->alignment()) | Qt::AlignTop);
        setFrameStyle(l->borderStyle() != 0 ? (QFrame::Panel | QFrame::Sunken) : QFrame::NoFrame);
    }
};

// ---- option, check, button ----

// Options and check boxes: Qt's click becomes the model's userClick; the model's value is shown.
template <class QtButton, class Model>
class ToggleWidget : public QtButton, public ControlBinding {
public:
    ToggleWidget(Model& m, DesktopView& view, QWidget* parent) : QtButton(parent), ControlBinding(m, view) {
        this->setFocusPolicy(Qt::StrongFocus);
        // Filled with the control's own back colour, not the button face.
        this->setBackgroundRole(QPalette::Window);
        this->setAutoFillBackground(true);
        QObject::connect(this, &QAbstractButton::clicked, this, [this] {
            if (syncing()) return;
            if (Model* m = model()) dispatch([m] { if (m->canFocus()) m->userClick(); });
        });
    }
    QWidget* widget() override { return this; }
    void update() override {
        Model* m = model();
        if (!m) return;
        updateCommon();
        if (this->text() != qs(m->caption())) this->setText(qs(m->caption()));
        bool on = static_cast<int>(m->value()) == 1;
        if (this->isChecked() != on) this->setChecked(on);
    }

private:
    Model* model() const { return static_cast<Model*>(control()); }
};

class ButtonWidget : public QPushButton, public ControlBinding {
public:
    ButtonWidget(plat::CommandButton& b, DesktopView& view, QWidget* parent)
        : QPushButton(parent), ControlBinding(b, view) {
        // Enter presses only the button that has the focus, through its own key handler.
        setAutoDefault(false);
        setDefault(false);
        setFocusPolicy(Qt::StrongFocus);
        connect(this, &QAbstractButton::clicked, this, [this] {
            if (syncing()) return;
            if (auto* b = static_cast<plat::CommandButton*>(control()))
                dispatch([b] { if (b->canFocus()) b->press(); });
        });
    }
    QWidget* widget() override { return this; }
    void update() override {
        auto* b = static_cast<plat::CommandButton*>(control());
        if (!b) return;
        updateCommon();
        if (text() != qs(b->caption())) setText(qs(b->caption()));
    }
};

// ---- combo ----

// The rows of an opened list: room above and below the text, so that the dotted focus
// mark around the current row does not cut into its glyphs.
class ListRowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    static constexpr int kPadding = 3;  // pixels above and below the text
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(std::max(size.height(), option.fontMetrics.height() + 2 * kPadding));
        return size;
    }
};

class ComboWidget : public QComboBox, public ControlBinding {
protected:
    // Scrolling the screen past a list must not choose another item (and so run its
    // calculation); the wheel works only in the list that has the focus.
    void wheelEvent(QWheelEvent* e) override {
        if (!hasFocus()) {
            e->ignore();
            return;
        }
        QComboBox::wheelEvent(e);
    }

public:
    ComboWidget(plat::ComboBox& c, DesktopView& view, QWidget* parent) : QComboBox(parent), ControlBinding(c, view) {
        setFocusPolicy(Qt::StrongFocus);
        setInsertPolicy(QComboBox::NoInsert);
        setItemDelegate(new ListRowDelegate(this));
        connect(this, &QComboBox::activated, this, [this](int index) {
            if (syncing()) return;
            if (auto* c = static_cast<plat::ComboBox*>(control())) dispatch([c, index] { c->userPick(index); });
        });
    }
    QWidget* widget() override { return this; }
    void update() override {
        auto* c = static_cast<plat::ComboBox*>(control());
        if (!c) return;
        updateCommon();
        bool editable = c->style() == plat::ComboBox::Style::Editable;
        if (isEditable() != editable) {
            setEditable(editable);
            if (editable && lineEdit()) hookLineEdit();
        }
        if (editable && lineEdit()) applyImeMode(*lineEdit(), c->imeMode());
        QStringList items;
        for (const auto& i : c->items()) items << qs(i);
        QStringList shown;
        for (int i = 0; i < count(); ++i) shown << itemText(i);
        if (items != shown) {
            clear();
            addItems(items);
        }
        // The caret of an editable combo stays where it was when its text does not change.
        QLineEdit* edit = editable ? lineEdit() : nullptr;
        QString before = edit ? edit->text() : QString();
        int caret = edit ? edit->cursorPosition() : 0;
        if (currentIndex() != c->listIndex()) setCurrentIndex(c->listIndex());
        if (editable && currentText() != qs(c->text())) setEditText(qs(c->text()));
        if (edit && edit->text() == before && edit->cursorPosition() != caret) edit->setCursorPosition(caret);
    }

private:
    void hookLineEdit() {
        QLineEdit* edit = lineEdit();
        edit->installEventFilter(new ControlHook(*this, edit));
        connect(edit, &QLineEdit::textEdited, this, [this](const QString& text) {
            if (syncing()) return;
            if (auto* c = static_cast<plat::ComboBox*>(control()))
                dispatch([c, t = text.toStdString()] { c->userEdit(t); });
        });
    }
};

// ---- frame, figures, picture ----

// A control that paints itself from the model (frames, picture boxes).
class PaintedWidget : public QWidget, public ControlBinding {
public:
    PaintedWidget(plat::Control& c, DesktopView& view, QWidget* parent) : QWidget(parent), ControlBinding(c, view) {
        setFocusPolicy(Qt::NoFocus);
    }
    QWidget* widget() override { return this; }
    void update() override {
        if (!control()) return;
        updateCommon();
        QWidget::update();
    }
};

class FrameWidget : public PaintedWidget {
public:
    FrameWidget(plat::Frame& f, DesktopView& view, QWidget* parent) : PaintedWidget(f, view, parent) {
        setAutoFillBackground(true);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        auto* f = static_cast<plat::Frame*>(control());
        if (!f) return;
        QPainter p(this);
        QFontMetrics fm(font());
        int top = f->caption().empty() ? 0 : fm.height() / 2;
        if (f->borderStyle() != 0) {
            // An etched rectangle, as the classic frame draws it.
            QRect r = rect().adjusted(0, top, -2, -2);
            p.setPen(palette().color(QPalette::Dark));
            p.drawRect(r);
            p.setPen(palette().color(QPalette::Light));
            p.drawRect(r.translated(1, 1));
        }
        if (!f->caption().empty()) {
            QString t = qs(f->caption());
            QRect tr(6, 0, fm.horizontalAdvance(t) + 4, fm.height());
            p.fillRect(tr, palette().color(QPalette::Window));
            style()->drawItemText(&p, tr, Qt::AlignCenter, palette(), isEnabled(), t, QPalette::WindowText);
        }
    }
};

class FigureWidget : public QWidget, public ControlBinding {
public:
    FigureWidget(plat::Control& c, DesktopView& view, QWidget* parent) : QWidget(parent), ControlBinding(c, view) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
    }
    QWidget* widget() override { return this; }
    void update() override {
        plat::Control* c = control();
        if (!c) return;
        setVisible(c->visible());
        if (c->kind() == ControlKind::Line) {
            auto* l = static_cast<plat::Line*>(c);
            int m = std::max(1, l->borderWidth());
            QRect box = QRect(QPoint(px(std::min(l->x1(), l->x2())), px(std::min(l->y1(), l->y2()))),
                              QPoint(px(std::max(l->x1(), l->x2())), px(std::max(l->y1(), l->y2()))))
                            .adjusted(-m, -m, m, m);
            if (geometry() != box) setGeometry(box);
        } else if (geometry() != rectOf(*c)) {
            setGeometry(rectOf(*c));
        }
        QWidget::update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        plat::Control* c = control();
        if (!c) return;
        QPainter p(this);
        if (c->kind() == ControlKind::Line) {
            auto* l = static_cast<plat::Line*>(c);
            QPen pen(toQColor(l->borderColor()));
            pen.setWidth(std::max(1, l->borderWidth()));
            if (l->borderStyle() == 2) pen.setStyle(Qt::DashLine);
            if (l->borderStyle() == 3) pen.setStyle(Qt::DotLine);
            p.setPen(pen);
            QPoint o = geometry().topLeft();
            p.drawLine(QPoint(px(l->x1()), px(l->y1())) - o, QPoint(px(l->x2()), px(l->y2())) - o);
            return;
        }
        auto* s = static_cast<plat::Shape*>(c);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(toQColor(s->borderColor()));
        QRect r = rect().adjusted(0, 0, -1, -1);
        int d = std::min(r.width(), r.height());
        QRect square(r.center().x() - d / 2, r.center().y() - d / 2, d, d);
        switch (s->shape()) {
            case 1: p.drawRect(square); break;
            case 2: p.drawEllipse(r); break;
            case 3: p.drawEllipse(square); break;
            case 4: p.drawRoundedRect(r, 6, 6); break;
            case 5: p.drawRoundedRect(square, 6, 6); break;
            default: p.drawRect(r); break;
        }
    }
};

class PictureWidget : public PaintedWidget {
public:
    PictureWidget(plat::PictureBox& pic, DesktopView& view, QWidget* parent) : PaintedWidget(pic, view, parent) {}

protected:
    void paintEvent(QPaintEvent*) override {
        auto* pic = static_cast<plat::PictureBox*>(control());
        if (!pic) return;
        QPainter p(this);
        QColor back = toQColor(pic->backColor());
        p.fillRect(rect(), back);
        int border = pic->borderStyle() != 0 ? 2 : 0;
        {
            p.save();
            p.setClipRect(rect().adjusted(border, border, -border, -border));
            QPainterSurface surface(p, QPointF(border, border), back);
            // A user scale stretches the drawing over the inside of the box.
            int innerW = pic->width() - 2 * border * kTwipsPerPixel;
            int innerH = pic->height() - 2 * border * kTwipsPerPixel;
            surface.setPositionScale(pic->scaleWidth() > 0 ? innerW / double(pic->scaleWidth()) : 1.0,
                                     pic->scaleHeight() > 0 ? innerH / double(pic->scaleHeight()) : 1.0);
            pic->surface().replay(surface);
            p.restore();
        }
        if (border) {
            QStyleOptionFrame opt;
            opt.initFrom(this);
            opt.lineWidth = 2;
            opt.frameShape = QFrame::Panel;
            opt.state |= QStyle::State_Sunken;
            style()->drawPrimitive(QStyle::PE_Frame, &opt, &p, this);
        }
    }
};

// A scroll bar mirrors the model's range and steps; the model follows a finished move
// (arrow, track click, keyboard, the end of a thumb drag), not the thumb while it is dragged.
class ScrollBarWidget : public QScrollBar, public ControlBinding {
public:
    ScrollBarWidget(plat::ScrollBar& bar, DesktopView& view, QWidget* parent)
        : QScrollBar(bar.orientation() == plat::ScrollBar::Orientation::Vertical ? Qt::Vertical : Qt::Horizontal,
                     parent),
          ControlBinding(bar, view) {
        setFocusPolicy(Qt::NoFocus);
        setTracking(false);
        connect(this, &QAbstractSlider::valueChanged, this, [this](int v) {
            auto* b = static_cast<plat::ScrollBar*>(control());
            if (!b || syncing() || b->value() == v) return;
            dispatch([b, v] { b->userScroll(v); });
        });
    }
    QWidget* widget() override { return this; }
    void update() override {
        auto* b = static_cast<plat::ScrollBar*>(control());
        if (!b) return;
        updateCommon();
        QSignalBlocker block(this);
        if (minimum() != b->min() || maximum() != b->max()) setRange(b->min(), b->max());
        if (pageStep() != b->largeChange()) setPageStep(b->largeChange());
        if (singleStep() != b->smallChange()) setSingleStep(b->smallChange());
        if (value() != b->value()) setValue(b->value());
    }
};

ControlBinding* buildControl(plat::Control& c, DesktopView& view, QWidget* parent) {
    ControlBinding* b = nullptr;
    switch (c.kind()) {
        case ControlKind::TextBox: b = new TextBoxWidget(static_cast<plat::TextBox&>(c), view, parent); break;
        case ControlKind::Label: b = new LabelWidget(static_cast<plat::Label&>(c), view, parent); break;
        case ControlKind::OptionButton: {
            auto* o = new ToggleWidget<QRadioButton, plat::OptionButton>(static_cast<plat::OptionButton&>(c), view, parent);
            o->setAutoExclusive(false);  // the model groups the options; Qt must not
            b = o;
            break;
        }
        case ControlKind::CheckBox:
            b = new ToggleWidget<QCheckBox, plat::CheckBox>(static_cast<plat::CheckBox&>(c), view, parent);
            break;
        case ControlKind::ComboBox: b = new ComboWidget(static_cast<plat::ComboBox&>(c), view, parent); break;
        case ControlKind::CommandButton:
            b = new ButtonWidget(static_cast<plat::CommandButton&>(c), view, parent);
            break;
        case ControlKind::Frame: b = new FrameWidget(static_cast<plat::Frame&>(c), view, parent); break;
        case ControlKind::Line:
        case ControlKind::Shape: b = new FigureWidget(c, view, parent); break;
        case ControlKind::PictureBox: b = new PictureWidget(static_cast<plat::PictureBox&>(c), view, parent); break;
        case ControlKind::ScrollBar: b = new ScrollBarWidget(static_cast<plat::ScrollBar&>(c), view, parent); break;
    }
    if (c.kind() != ControlKind::TextBox) b->widget()->installEventFilter(new ControlHook(*b, b->widget()));
    b->widget()->setObjectName(qs(c.name()));
    return b;
}

}  // namespace

// ---- ControlBinding ----

void ControlBinding::dispatch(const std::function<void()>& call) { view_->dispatch(call); }
bool ControlBinding::syncing() const { return view_->syncing(); }

void ControlBinding::updateCommon() {
    plat::Control* c = control_;
    QWidget* w = widget();
    QRect r = rectOf(*c);
    if (w->geometry() != r) w->setGeometry(r);
    if (!fontSet_ || !(font_ == c->font())) {
        w->setFont(toQFont(c->font()));
        font_ = c->font();
        fontSet_ = true;
    }
    if (!coloursSet_ || fore_ != c->foreColor() || back_ != c->backColor()) {
        QPalette pal = w->palette();
        QColor fore = toQColor(c->foreColor());
        QColor back = toQColor(c->backColor());
        // The text colour applies while enabled; a disabled control keeps the greyed text.
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
            pal.setColor(group, QPalette::WindowText, fore);
            pal.setColor(group, QPalette::Text, fore);
            pal.setColor(group, QPalette::ButtonText, fore);
        }
        pal.setColor(QPalette::Window, back);
        if (c->kind() == ControlKind::TextBox || c->kind() == ControlKind::ComboBox) pal.setColor(QPalette::Base, back);
        if (c->kind() == ControlKind::CommandButton) pal.setColor(QPalette::Button, back);
        w->setPalette(pal);
        fore_ = c->foreColor();
        back_ = c->backColor();
        coloursSet_ = true;
    }
    if (w->isHidden() == c->visible()) w->setVisible(c->visible());
    if (w->isEnabled() != c->enabled()) w->setEnabled(c->enabled());
}

// ---- FormView ----

FormView::FormView(plat::Form& form, DesktopView& view, QWidget* parent) : QWidget(parent), form_(&form), view_(view) {
    setAutoFillBackground(false);
    setFocusPolicy(Qt::NoFocus);
    setFont(toQFont(form.font()));
    // Forms have the classic button-face background; controls without a colour of their own inherit it.
    QPalette pal = palette();
    pal.setColor(QPalette::Window, toQColor(kFormBackColor));
    pal.setColor(QPalette::Button, toQColor(kFormBackColor));
    setPalette(pal);
    for (plat::Control* c : form.controls()) bindings_.push_back(buildControl(*c, view, this));
    if (isPageViewer()) setFocusPolicy(Qt::StrongFocus);
    update();
}

FormView::~FormView() = default;

void FormView::detach() {
    form_ = nullptr;
    for (ControlBinding* b : bindings_) b->detach();
}

QWidget* FormView::widgetOf(const plat::Control& control) const {
    for (ControlBinding* b : bindings_)
        if (b->control() == &control) return b->widget();
    return nullptr;
}

void FormView::update() {
    if (!form_) return;
    QSize size(px(form_->width()), px(form_->height()));
    if (this->size() != size) resize(size);
    for (ControlBinding* b : bindings_) {
        // A control sits in its frame, or on the form.
        plat::Control* c = b->control();
        QWidget* parent = c->container() ? widgetOf(*c->container()) : this;
        if (!parent) parent = this;
        if (b->widget()->parentWidget() != parent) b->widget()->setParent(parent);
        b->update();
    }
    QWidget::update();
}

void FormView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QColor back = palette().color(QPalette::Window);
    p.fillRect(rect(), back);
    if (form_) {
        QPainterSurface surface(p, QPointF(0, 0), back);
        form_->canvas().replay(surface);
    }
}

bool FormView::focusNextPrevChild(bool next) {
    // Tab order is the form's own.
    if (plat::Form* f = form_) view_.dispatch([f, next] { f->tabNext(!next); });
    return true;
}

plat::ScrollBar* FormView::pageBar(bool vertical) const {
    if (!form_) return nullptr;
    const auto wanted = vertical ? plat::ScrollBar::Orientation::Vertical : plat::ScrollBar::Orientation::Horizontal;
    for (plat::Control* c : form_->controls()) {
        if (c->kind() != ControlKind::ScrollBar) continue;
        auto* bar = static_cast<plat::ScrollBar*>(c);
        if (bar->orientation() == wanted && bar->visible() && bar->enabled()) return bar;
    }
    return nullptr;
}

void FormView::scrollBy(plat::ScrollBar& bar, int amount) {
    const int target = std::clamp(bar.value() + amount, bar.min(), bar.max());
    if (target == bar.value()) return;
    plat::ScrollBar* b = &bar;
    view_.dispatch([b, target] { b->userScroll(target); });
}

void FormView::keyPressEvent(QKeyEvent* event) {
    // Keys that no control took stop here: a dialog has no default button. Esc goes on to
    // the dialog's window, which takes it as the close box.
    if (event->key() == Qt::Key_Escape && form_ && form_->kind() == plat::FormKind::Dialog) {
        event->ignore();
        return;
    }
    event->accept();
    plat::ScrollBar* bar = pageBar(true);
    if (!bar) return;
    switch (event->key()) {
        case Qt::Key_PageDown: scrollBy(*bar, bar->largeChange()); break;
        case Qt::Key_PageUp: scrollBy(*bar, -bar->largeChange()); break;
        case Qt::Key_Down: scrollBy(*bar, bar->smallChange()); break;
        case Qt::Key_Up: scrollBy(*bar, -bar->smallChange()); break;
        case Qt::Key_Home:
            if (event->modifiers() & Qt::ControlModifier) scrollBy(*bar, bar->min() - bar->value());
            break;
        case Qt::Key_End:
            if (event->modifiers() & Qt::ControlModifier) scrollBy(*bar, bar->max() - bar->value());
            break;
        default: break;
    }
}

void FormView::wheelEvent(QWheelEvent* event) {
    // One notch (120 eighths of a degree) moves the bar by its small change; Shift or a
    // sideways wheel moves the horizontal bar.
    QPoint delta = event->angleDelta();
    if (event->modifiers() & Qt::ShiftModifier) delta = QPoint(delta.y(), delta.x());
    plat::ScrollBar* vertical = pageBar(true);
    plat::ScrollBar* horizontal = pageBar(false);
    if (!vertical && !horizontal) {
        event->ignore();
        return;
    }
    event->accept();
    wheelRest_ += delta;
    const int notchesY = wheelRest_.y() / 120;
    const int notchesX = wheelRest_.x() / 120;
    wheelRest_ -= QPoint(notchesX * 120, notchesY * 120);
    // Turning the wheel away from the user shows what lies further down the page.
    if (vertical && notchesY) scrollBy(*vertical, -notchesY * vertical->smallChange());
    if (horizontal && notchesX) scrollBy(*horizontal, -notchesX * horizontal->smallChange());
}

}  // namespace plat::qt
