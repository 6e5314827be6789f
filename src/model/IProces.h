#pragma once

// A program or document that an item's action started, as the launcher
// tracks it.
class IProces {
public:
    virtual ~IProces() = default;
    // Whether it still runs; a process that ended is reaped here.
    virtual bool Loopt() = 0;
    // Ends it: asked to stop, then killed after a short grace; a process
    // that already ended is left alone.
    virtual void Beeindig() = 0;
};
