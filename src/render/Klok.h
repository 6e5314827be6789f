#pragma once

#include <optional>

// The local date and time as the text fields read them. Tests put a fixed
// clock in its place.
class IKlok {
public:
    struct SDatum {
        int nDag = 1; // 1..31
        int nMaand = 1; // 1..12
        int nJaar = 2000;
    };
    struct STijd {
        int nUur = 0; // 0..23
        int nMinuut = 0;
        int nSeconde = 0;
    };

    virtual ~IKlok() = default;
    virtual SDatum Datum() const = 0;
    // Empty when the time cannot be read.
    virtual std::optional<STijd> Tijd() const = 0;
};

// The computer's own clock.
class CSysteemKlok : public IKlok {
public:
    SDatum Datum() const override;
    std::optional<STijd> Tijd() const override;
};
