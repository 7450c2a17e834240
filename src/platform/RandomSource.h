#pragma once

// The program's random generator.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void seed(double secondsSinceMidnight) = 0;
    // Uniform in [0, 1).
    virtual double next() = 0;
};
