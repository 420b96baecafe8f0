#include "platform/qt/desktop_view.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <QToolBar>
#include <cstdio>
#include <exception>

#include "platform/qt/form_view.h"
#include "platform/qt/toolbar_icons.h"

namespace plat::qt {

// The main window: its close box asks the model (the main form's QueryUnload).
class MainWindow : public QMainWindow {
public:
    explicit MainWindow(DesktopView& view) : view_(view) {}

protected:
    void closeEvent(QCloseEvent* event) override {
        event->ignore();
        if (view_.syncing()) return;
        if (plat::Form* f = view_.mainForm()) view_.dispatch([f] { f->userClose(); });
    }

private:
    DesktopView& view_;
};

namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }

// A dialog with a fixed border. Enter is an ordinary key of its controls: no default
// button. Esc that no control took is the close box, as the model says.
class DialogWindow : public QDialog {
public:
    DialogWindow(plat::Form& form, DesktopView& view, QWidget* parent)
        : QDialog(parent), form_(&form), view_(view) {
        Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint;
        if (form.hasCloseBox()) flags |= Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint;
        setWindowFlags(flags);
        setSizeGripEnabled(false);
    }
    void detach() { form_ = nullptr; }
    void updateFlags() {
        if (!form_) return;
        bool closeBox = windowFlags().testFlag(Qt::WindowCloseButtonHint);
        if (closeBox == form_->hasCloseBox()) return;
        bool shown = isVisible();
        setWindowFlag(Qt::WindowCloseButtonHint, form_->hasCloseBox());
        setWindowFlag(Qt::WindowSystemMenuHint, form_->hasCloseBox());
        if (shown) show();
    }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        event->accept();
        if (event->key() != Qt::Key_Escape || !form_ || view_.syncing()) return;
        plat::Form* f = form_;
        view_.dispatch([f] { f->escapePressed(); });
    }
    void reject() override {}
    void closeEvent(QCloseEvent* event) override {
        event->ignore();
        if (!form_ || view_.syncing()) return;
        plat::Form* f = form_;
        if (f->hasCloseBox()) view_.dispatch([f] { f->userClose(); });
    }

private:
    plat::Form* form_;
    DesktopView& view_;
};

// A child window: borderless, at the top left of the main window's client area.
class ChildWindow : public QMdiSubWindow {
public:
    explicit ChildWindow(QWidget* parent) : QMdiSubWindow(parent, Qt::FramelessWindowHint) {
        setOption(QMdiSubWindow::RubberBandResize, false);
    }

protected:
    void closeEvent(QCloseEvent* event) override { event->ignore(); }
};

bool contains(const std::vector<plat::Form*>& v, const plat::Form* f) {
    return std::find(v.begin(), v.end(), f) != v.end();
}

}  // namespace

DesktopView::DesktopView(plat::Desktop& desktop) : desktop_(desktop) {
    main_ = new MainWindow(*this);
    main_->setAttribute(Qt::WA_DeleteOnClose, false);
    mdi_ = new QMdiArea(main_);
    mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdi_->setBackground(QColor(0x80, 0x80, 0x80));
    main_->setCentralWidget(mdi_);
    toolbar_ = new QToolBar(main_);
    toolbar_->setObjectName(QStringLiteral("Toolbar1"));
    toolbar_->setMovable(false);
    toolbar_->setFloatable(false);
    toolbar_->setIconSize(QSize(16, 16));
    toolbar_->setToolButtonStyle(Qt::ToolButtonIconOnly);
    toolbar_->setContextMenuPolicy(Qt::PreventContextMenu);
    main_->addToolBar(Qt::TopToolBarArea, toolbar_);
    main_->setContextMenuPolicy(Qt::NoContextMenu);
    toolbar_->hide();

    // The user brings a lower child window up: the model learns it as a Show.
    connect(mdi_, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* sub) {
        if (syncing_ || !sub) return;
        for (auto& [form, w] : windows_) {
            if (w.frame != sub) continue;
            plat::Form* f = form;
            if (f->visible() && desktop_.activeChild() != f && desktop_.modalStack().empty())
                dispatch([f] { f->show(); });
            return;
        }
    });
}

DesktopView::~DesktopView() {
    // Windows closing from here on must not reach the model.
    disconnect(mdi_, nullptr, this, nullptr);
    for (auto& [form, w] : windows_) {
        if (w.view) w.view->detach();
        if (auto* d = dynamic_cast<DialogWindow*>(w.frame.data())) d->detach();
    }
    for (auto& [form, w] : windows_)
        if (w.frame && !qobject_cast<QMdiSubWindow*>(w.frame.data())) delete w.frame.data();  // dialogs
    windows_.clear();
    for (const QPointer<QWidget>& w : doomed_) delete w.data();
    doomed_.clear();
    delete main_;
}

QMainWindow* DesktopView::mainWindow() const { return main_; }

plat::Form* DesktopView::mainForm() const {
    for (plat::Form* f : desktop_.loadedForms())
        if (f->kind() == plat::FormKind::MdiFrame) return f;
    return nullptr;
}

QWidget* DesktopView::windowOf(const plat::Form& form) const {
    if (form.kind() == plat::FormKind::MdiFrame) return main_;
    auto it = windows_.find(const_cast<plat::Form*>(&form));
    return it == windows_.end() ? nullptr : it->second.frame.data();
}

FormView* DesktopView::viewOf(const plat::Form& form) const {
    auto it = windows_.find(const_cast<plat::Form*>(&form));
    return it == windows_.end() ? nullptr : it->second.view;
}

QWidget* DesktopView::widgetOf(const plat::Control& control) const {
    FormView* v = viewOf(control.form());
    return v ? v->widgetOf(control) : nullptr;
}

QWidget* DesktopView::topWindow() const {
    const auto& modals = desktop_.modalStack();
    for (auto it = modals.rbegin(); it != modals.rend(); ++it)
        if (QWidget* w = windowOf(**it); w && w->isVisible()) return w;
    return main_;
}

void DesktopView::dispatch(const std::function<void()>& call) {
    if (desktop_.ended()) return;
    ++depth_;
    try {
        call();
    } catch (const std::exception& e) {
        // The outermost frame of every event: a fault that no command caught must not
        // cross Qt's event handling (Qt cannot unwind through it). It is logged, not
        // handled; the command tests run without this frame and see it.
        std::fprintf(stderr, "miranosu: unhandled error: %s\n", e.what());
    }
    --depth_;
    sync();
}

void DesktopView::requestSync() {
    if (syncQueued_) return;
    syncQueued_ = true;
    QTimer::singleShot(0, this, [this] {
        syncQueued_ = false;
        sync();
    });
}

void DesktopView::runModal(plat::Form& dialog) {
    const std::string name = dialog.name();
    ++depth_;
    sync();
    while (!desktop_.ended() && desktop_.find(name) == &dialog && dialog.isModalOpen())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents | QEventLoop::AllEvents);
    --depth_;
}

void DesktopView::end() {
    if (endedHandled_) return;
    endedHandled_ = true;
    for (auto& [form, w] : windows_)
        if (w.frame) w.frame->hide();
    main_->hide();
    if (onEnded_)
        onEnded_();
    else
        QCoreApplication::exit(0);
}

void DesktopView::sync() {
    if (syncing_) return;
    syncing_ = true;
    if (desktop_.ended()) {
        end();
        syncing_ = false;
        return;
    }
    plat::Form* main = mainForm();
    if (main) mainSeen_ = true;
    syncWindows();
    syncMenus();
    syncToolbar();
    syncFocus();
    syncing_ = false;
    // Forms unloaded during the event are discarded once no model call is running.
    if (depth_ == 0) {
        desktop_.collectGarbage();
        for (const QPointer<QWidget>& w : doomed_)
            if (w) w->deleteLater();
        doomed_.clear();
    }
    if (mainSeen_ && !main) end();  // the main window went away: the program is over
}

void DesktopView::createWindow(plat::Form& form) {
    Window w;
    switch (form.kind()) {
        case plat::FormKind::MdiFrame:
            break;
        case plat::FormKind::MdiChild: {
            auto* sub = new ChildWindow(nullptr);
            w.view = new FormView(form, *this);
            sub->setWidget(w.view);
            sub->setAttribute(Qt::WA_DeleteOnClose, false);
            mdi_->addSubWindow(sub, Qt::FramelessWindowHint);
            sub->hide();
            w.frame = sub;
            break;
        }
        case plat::FormKind::Dialog: {
            auto* dlg = new DialogWindow(form, *this, main_);
            w.view = new FormView(form, *this, dlg);
            w.frame = dlg;
            break;
        }
    }
    windows_[&form] = w;
}

void DesktopView::destroyWindow(plat::Form*, Window& w) {
    if (w.view) w.view->detach();
    if (auto* d = dynamic_cast<DialogWindow*>(w.frame.data())) d->detach();
    if (w.frame) {
        w.frame->hide();
        if (auto* sub = qobject_cast<QMdiSubWindow*>(w.frame.data())) mdi_->removeSubWindow(sub);
        doomed_.push_back(w.frame);
    }
}

void DesktopView::syncWindows() {
    matchLoadedForms();
    syncMainWindow();
    syncChildWindows();
    const bool dialogHidden = syncDialogs();
    raiseModalDialogs(dialogHidden);
}

// A window for every loaded form, none for an unloaded one.
void DesktopView::matchLoadedForms() {
    std::vector<plat::Form*> loaded = desktop_.loadedForms();
    for (auto it = windows_.begin(); it != windows_.end();) {
        if (!contains(loaded, it->first)) {
            destroyWindow(it->first, it->second);
            it = windows_.erase(it);
        } else {
            ++it;
        }
    }
    for (plat::Form* f : loaded)
        if (!windows_.count(f)) createWindow(*f);
}

void DesktopView::syncMainWindow() {
    plat::Form* main = mainForm();
    if (!main) {
        if (main_->isVisible()) main_->hide();
        return;
    }
    QString title = qs(main->caption());
    if (main_->windowTitle() != title) main_->setWindowTitle(title);
    auto& w = windows_[main];
    if (!w.placed) {
        main_->resize(px(main->width()), px(main->height()));
        if (main->left() != 0 || main->top() != 0) {
            main_->move(px(main->left()), px(main->top()));
        } else if (QScreen* screen = QGuiApplication::primaryScreen()) {
            QRect avail = screen->availableGeometry();
            main_->move(avail.center() - QPoint(main_->width() / 2, main_->height() / 2));
        }
        w.placed = true;
    }
    if (main_->isVisible() != main->visible()) {
        main_->setVisible(main->visible());
        // The program starts with the keyboard, also where no window manager hands it
        // over (a virtual screen).
        if (main->visible()) main_->activateWindow();
    }
}

// Child windows, bottom to top; the top one is active.
void DesktopView::syncChildWindows() {
    for (auto& [form, w] : windows_) {
        if (form->kind() != plat::FormKind::MdiChild) continue;
        w.view->update();
        auto* sub = static_cast<QMdiSubWindow*>(w.frame.data());
        QRect geo(px(form->left()), px(form->top()), px(form->width()), px(form->height()));
        if (sub->geometry() != geo) sub->setGeometry(geo);
        if (sub->windowTitle() != qs(form->caption())) sub->setWindowTitle(qs(form->caption()));
        if (!form->visible() && sub->isVisible()) sub->hide();
    }
    QMdiSubWindow* top = nullptr;
    for (plat::Form* f : desktop_.children()) {
        auto it = windows_.find(f);
        if (it == windows_.end() || !f->visible()) continue;
        auto* sub = static_cast<QMdiSubWindow*>(it->second.frame.data());
        if (!sub->isVisible()) sub->show();
        sub->raise();
        top = sub;
    }
    if (top && mdi_->activeSubWindow() != top) mdi_->setActiveSubWindow(top);
}

// Dialogs: a modal one blocks the rest of the program. True when one was hidden.
bool DesktopView::syncDialogs() {
    bool dialogHidden = false;
    for (auto& [form, w] : windows_)
        if (form->kind() == plat::FormKind::Dialog && syncDialog(*form, w)) dialogHidden = true;
    return dialogHidden;
}

bool DesktopView::syncDialog(plat::Form& form, Window& w) {
    auto* dlg = static_cast<DialogWindow*>(w.frame.data());
    w.view->update();
    dlg->updateFlags();
    QString title = qs(form.caption());
    if (dlg->windowTitle() != title) dlg->setWindowTitle(title);
    QSize size = w.view->size();
    if (dlg->size() != size || dlg->minimumSize() != size) dlg->setFixedSize(size);
    bool modal = form.isModalOpen();
    if (!form.visible()) {
        if (!dlg->isVisible()) return false;
        dlg->hide();
        return true;
    }
    if (dlg->isVisible() && w.modal != modal) dlg->hide();
    w.modal = modal;
    dlg->setWindowModality(modal ? Qt::ApplicationModal : Qt::NonModal);
    if (!w.placed) {
        // Centred over the main window.
        QRect owner = main_->isVisible() ? main_->frameGeometry() : QRect();
        if (owner.isValid()) dlg->move(owner.center() - QPoint(size.width() / 2, size.height() / 2));
        w.placed = true;
    }
    if (!dlg->isVisible()) dlg->show();
    return false;
}

// The innermost modal dialog lies on top and has the keyboard.
void DesktopView::raiseModalDialogs(bool dialogHidden) {
    for (plat::Form* f : desktop_.modalStack())
        if (QWidget* w = windowOf(*f); w && w->isVisible()) {
            w->raise();
            if (f == desktop_.modalStack().back()) w->activateWindow();
        }
    // A closed dialog gives the keyboard back to the main window.
    if (dialogHidden && desktop_.modalStack().empty() && main_->isVisible() && !QApplication::activeModalWidget())
        QTimer::singleShot(0, main_, [w = QPointer<QWidget>(main_)] {
            if (w && w->isVisible() && !QApplication::activeModalWidget()) w->activateWindow();
        });
}

// ---- menus ----

void DesktopView::addMenuItems(QMenu* menu, const std::vector<plat::MenuItem*>& items) {
    for (plat::MenuItem* item : items) {
        if (item->isSeparator()) {
            menuBindings_.push_back({item, menu->addSeparator()});
        } else if (!item->children().empty()) {
            QMenu* sub = menu->addMenu(qs(item->caption()));
            menuBindings_.push_back({item, sub->menuAction()});
            connect(sub, &QMenu::aboutToShow, this, [this, item] { dispatch([item] { item->userClick(); }); });
            addMenuItems(sub, item->children());
        } else {
            QAction* a = menu->addAction(qs(item->caption()));
            menuBindings_.push_back({item, a});
            connect(a, &QAction::triggered, this, [this, item] { dispatch([item] { item->userClick(); }); });
        }
    }
}

void DesktopView::buildMenus(const std::vector<plat::MenuItem*>& items) {
    QMenuBar* bar = main_->menuBar();
    // The old menus may be running the action that changed them: discard them later.
    for (QObject* o : menuObjects_) {
        if (auto* a = qobject_cast<QAction*>(o)) bar->removeAction(a);
        if (auto* m = qobject_cast<QMenu*>(o)) bar->removeAction(m->menuAction());
        o->deleteLater();
    }
    menuObjects_.clear();
    menuBindings_.clear();
    for (plat::MenuItem* item : items) {
        if (!item->children().empty()) {
            // Opening the menu runs its Click (the File menu computes its items there) before
            // the items are mirrored.
            QMenu* menu = bar->addMenu(qs(item->caption()));
            menuObjects_.push_back(menu);
            menuBindings_.push_back({item, menu->menuAction()});
            connect(menu, &QMenu::aboutToShow, this, [this, item] { dispatch([item] { item->userClick(); }); });
            addMenuItems(menu, item->children());
        } else {
            QAction* a = bar->addAction(qs(item->caption()));
            menuObjects_.push_back(a);
            menuBindings_.push_back({item, a});
            connect(a, &QAction::triggered, this, [this, item] { dispatch([item] { item->userClick(); }); });
        }
    }
    menuSource_ = items;
}

void DesktopView::syncMenus() {
    plat::Form* main = mainForm();
    std::vector<plat::MenuItem*> items;
    // A preview window brings its own menu bar while it is the active child.
    plat::Form* active = desktop_.activeChild();
    if (active && active->visible() && !active->menuBar().empty())
        items = active->menuBar();
    else if (main)
        items = main->menuBar();
    if (items != menuSource_) buildMenus(items);
    for (const MenuBinding& b : menuBindings_) {
        QString caption = qs(b.item->caption());
        if (!b.item->isSeparator() && b.action->text() != caption) b.action->setText(caption);
        if (b.action->isEnabled() != b.item->enabled()) b.action->setEnabled(b.item->enabled());
        if (b.action->isVisible() != b.item->visible()) b.action->setVisible(b.item->visible());
    }
}

// ---- toolbar ----

void DesktopView::syncToolbar() {
    plat::Toolbar* tb = toolbarSource_ ? toolbarSource_() : nullptr;
    if (tb != builtToolbar_) {
        toolbar_->clear();
        toolActions_.clear();
        builtToolbar_ = tb;
        if (tb) {
            for (int i = 1; i <= tb->count(); ++i) {
                const plat::Toolbar::Button& b = tb->button(i);
                QAction* a = b.separator ? toolbar_->addSeparator()
                                         : toolbar_->addAction(toolbarIcon(b.image), qs(b.text));
                if (!b.separator) {
                    a->setToolTip(qs(b.tooltip));
                    connect(a, &QAction::triggered, this, [this, tb, i] {
                        if (tb == builtToolbar_) dispatch([tb, i] { tb->userClick(i); });
                    });
                }
                toolActions_.push_back(a);
            }
        }
    }
    bool shown = tb && tb->visible() && main_->isVisible();
    if (tb) {
        for (int i = 1; i <= tb->count(); ++i) {
            const plat::Toolbar::Button& b = tb->button(i);
            QAction* a = toolActions_[i - 1];
            if (a->isEnabled() != b.enabled) a->setEnabled(b.enabled);
            if (!b.separator && a->toolTip() != qs(b.tooltip)) a->setToolTip(qs(b.tooltip));
        }
    }
    if (toolbar_->isHidden() == shown) toolbar_->setVisible(shown);
}

// ---- focus ----

void DesktopView::syncFocus() {
    // Qt's focus follows the model's: the innermost modal dialog, else the active child.
    plat::Form* focusForm = nullptr;
    if (!desktop_.modalStack().empty())
        focusForm = desktop_.modalStack().back();
    else if (plat::Form* child = desktop_.activeChild(); child && child->visible())
        focusForm = child;
    if (!focusForm) return;
    if (!focusForm->activeControl()) {
        // A page viewer without a control in focus takes the keys itself.
        for (auto& [form, win] : windows_)
            if (form == focusForm && win.view && win.view->isPageViewer() && win.view->isVisible() &&
                !win.view->isAncestorOf(QApplication::focusWidget()) && QApplication::focusWidget() != win.view)
                win.view->setFocus(Qt::OtherFocusReason);
        return;
    }
    QWidget* w = widgetOf(*focusForm->activeControl());
    if (!w || !w->isVisible() || !w->isEnabled()) return;
    if (QApplication::focusWidget() != w && !(w->focusProxy() && QApplication::focusWidget() == w->focusProxy()))
        w->setFocus(Qt::OtherFocusReason);
    // The selection of the focused box, now that Qt's focus is there.
    for (auto& [form, win] : windows_)
        if (form == focusForm && win.view)
            for (ControlBinding* b : win.view->bindings())
                if (b->control() == focusForm->activeControl()) b->update();
}

}  // namespace plat::qt
