#pragma once
// A picture window without widgets: records what the picture sets and draws.

#include "program/PictureWindow.h"
#include "support/RecordingSurface.h"

#include <memory>
#include <string>
#include <vector>

class FakePictureWindow final : public PictureWindow {
public:
    // Every window the installed factory made, in order of creation, while it is alive.
    static std::vector<FakePictureWindow*>& created()
    {
        static std::vector<FakePictureWindow*> windows;
        return windows;
    }
    static void install()
    {
        created().clear();
        SetFactory([] { return std::make_unique<FakePictureWindow>(); });
    }

    FakePictureWindow() { created().push_back(this); }
    ~FakePictureWindow() override { std::erase(created(), this); }

    void SetPersistentDrawing(bool on) override
    {
        persistent = on;
        log += "persistent ";
    }
    void Show() override
    {
        shown = true;
        log += "show ";
    }
    void SetTag(const QString& t) override
    {
        tag = t;
        log += "tag ";
    }
    QString Tag() const override { return tag; }
    void SetCaption(const QString& c) override
    {
        caption = c;
        log += "caption ";
    }
    void SetName(const QString& n) override
    {
        name = n;
        log += "name ";
    }
    bool IsParentTicked() const override { return !unloaded && parentTicked; }
    DrawingSurface& Surface() override { return surface; }
    void Unload() override
    {
        unloaded = true;
        log += "unload ";
        if (events.closed)
            events.closed();
    }
    bool IsOpen() const override { return shown && !unloaded; }
    void Place(QPoint topLeft) override { placedAt = topLeft; }
    void SetEvents(Events e) override { events = std::move(e); }

    bool persistent = false;
    bool shown = false;
    bool unloaded = false;
    bool parentTicked = false;
    QString tag;
    QString caption;
    QString name;
    QPoint placedAt { -1, -1 };
    Events events;
    std::string log;
    RecordingSurface surface;
};
