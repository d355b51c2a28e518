#pragma once

#include <QList>
#include <QMainWindow>
#include <QPointer>

#include <functional>

namespace platform {

// A window of the program. Each window class has one instance, made and loaded on first use
// (form<T>()); closing it unloads it: its unload handler runs, then it is destroyed, and the next
// use makes it afresh. Every window has a fixed size, no minimize or maximize button, and opens
// centred on the screen. Controls go on the client area, placed in twips.
class Form : public QMainWindow
{
    Q_OBJECT

public:
    explicit Form(QWidget* parent = nullptr);
    ~Form() override;

    // Runs the load handler; the one who makes the window calls it once, before showing it.
    void Load();
    // Runs the unload handler; unless it cancels, the window leaves the loaded windows, hides
    // and is destroyed. Returns false when the unload was cancelled.
    bool Unload();
    bool IsUnloading() const { return m_unloading; }
    // Shows the window modally, with no owner: no other window takes input until it closes.
    // Returns once the window has been unloaded.
    void ShowModal();

    QWidget* client() const { return m_client; }
    // The size of the client area, in twips; the window takes it and keeps it.
    void setClientSize(int width, int height);

signals:
    void Unloaded();

protected:
    virtual void Form_Load() {}
    virtual void Form_Unload(int& Cancel) { Q_UNUSED(Cancel); }

    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QWidget* m_client;
    bool m_unloading = false;
    bool m_placed = false;
};

// Runs `task` once, right after the window, which is being shown, has first been painted on the
// screen; at once if it already has.
void AfterFirstPaint(QWidget* window, std::function<void()> task);

// The windows that are loaded, in the order they were made.
class Forms
{
public:
    static QList<Form*> Loaded();
};

// The one instance of window class T, made and loaded if it is not loaded.
template <class T>
T& form()
{
    static QPointer<T> instance;
    if (!instance || instance->IsUnloading()) {
        instance = new T;
        instance->Load();
    }
    return *instance;
}

} // namespace platform
