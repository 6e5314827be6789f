#pragma once

// The project's gong as the project dialog plays it.
class IGong {
public:
    virtual ~IGong() = default;
    // Stops the current sound when one plays; otherwise plays the project's
    // gong once, or the built-in one when bIngebouwd.
    virtual void SpeelGong(bool bIngebouwd) = 0;
    virtual void StopGeluid() = 0;
    virtual bool GeluidLoopt() = 0;
};
