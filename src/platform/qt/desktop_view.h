// The screen of the whole program: the main window with its menus, toolbar and child
// windows, and the dialogs. sync() makes every Qt window match the model after each event.
#pragma once
#include <QObject>
#include <QPointer>
#include <functional>
#include <map>
#include <vector>

#include "platform/desktop.h"
#include "platform/menu.h"

class QAction;
class QMainWindow;
class QMenu;
class QMdiArea;
class QMdiSubWindow;
class QToolBar;
class QWidget;

namespace plat::qt {

class FormView;
class MainWindow;

class DesktopView : public QObject {
public:
    explicit DesktopView(plat::Desktop& desktop);
    ~DesktopView() override;

    plat::Desktop& desktop() const { return desktop_; }
    // Where the main window's toolbar lives in the model.
    void setToolbarSource(std::function<plat::Toolbar*()> source) { toolbarSource_ = std::move(source); }
    // Runs when the program has ended; quits the application by default.
    void setOnEnded(std::function<void()> f) { onEnded_ = std::move(f); }

    // Runs a model call from a Qt event, then sync().
    void dispatch(const std::function<void()>& call);
    // Model to screen: creates, updates, shows, hides and destroys windows and widgets.
    void sync();
    // A sync at the next turn of the event loop.
    void requestSync();
    bool syncing() const { return syncing_; }
    // Blocks until the dialog is hidden or unloaded, or the program ends.
    void runModal(plat::Form& dialog);

    QMainWindow* mainWindow() const;
    QMdiArea* mdiArea() const { return mdi_; }
    QToolBar* toolbar() const { return toolbar_; }
    // The window a message box belongs to: the innermost modal dialog, or the main window.
    QWidget* topWindow() const;
    // The Qt window of a form (main window, child window or dialog); none before sync().
    QWidget* windowOf(const plat::Form& form) const;
    FormView* viewOf(const plat::Form& form) const;
    QWidget* widgetOf(const plat::Control& control) const;

private:
    friend class MainWindow;
    struct Window {
        FormView* view = nullptr;          // the client area (none for the main window)
        QPointer<QWidget> frame;           // QMdiSubWindow or dialog
        bool placed = false;
        bool modal = false;
    };
    struct MenuBinding {
        plat::MenuItem* item;
        QAction* action;
    };

    plat::Form* mainForm() const;
    void createWindow(plat::Form& form);
    void destroyWindow(plat::Form* form, Window& w);
    void syncWindows();
    void matchLoadedForms();
    void syncMainWindow();
    void syncChildWindows();
    bool syncDialogs();
    bool syncDialog(plat::Form& form, Window& w);
    void raiseModalDialogs(bool dialogHidden);
    void syncMenus();
    void buildMenus(const std::vector<plat::MenuItem*>& items);
    void addMenuItems(QMenu* menu, const std::vector<plat::MenuItem*>& items);
    void syncToolbar();
    void syncFocus();
    void end();

    plat::Desktop& desktop_;
    MainWindow* main_;
    QMdiArea* mdi_;
    QToolBar* toolbar_;
    std::function<plat::Toolbar*()> toolbarSource_;
    std::function<void()> onEnded_;
    plat::Toolbar* builtToolbar_ = nullptr;
    std::vector<QAction*> toolActions_;
    std::map<plat::Form*, Window> windows_;
    std::vector<plat::MenuItem*> menuSource_;
    std::vector<MenuBinding> menuBindings_;
    std::vector<QObject*> menuObjects_;
    // Windows of unloaded forms, deleted once no model call is running: a handler further
    // down the stack may still be inside one of their widgets.
    std::vector<QPointer<QWidget>> doomed_;
    bool syncing_ = false;
    bool syncQueued_ = false;
    bool endedHandled_ = false;
    bool mainSeen_ = false;
    int depth_ = 0;  // model calls in progress; forms are discarded only outside all of them
};

}  // namespace plat::qt
