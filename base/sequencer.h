// Steps through lists of timed values one tick at a time (the animation
// previews of the database). Control steps loop a list, keep its last step
// current, or jump to another list.
#pragma once

#include "base/containers.h"

// Values of a step that are control codes.
const int kAnimeStay = -1;  // the step before stays current
const int kAnimeLoop = -2;  // the list starts again
const int kAnimeJump = -3;  // the list named by the step's duration starts

struct cAnimeStep {
    int m_Value = 0;     // shown while the step is current, or a control code
    int m_Duration = 0;  // ticks the step stays current; for a jump, the list to start
    int m_Hold = 0;      // nonzero: SetAnime without force is refused while current
};

class cAnimeSequencer {
public:
    // Takes a copy of the lists and starts at the first step of list 0.
    void SetAnimes(const cVector<cVector<cAnimeStep>>& animes);
    // Starts list a at its first step; refused (0) without force while the
    // current step holds.
    int SetAnime(int a, int force);
    // One tick; the value now current (0 when there are no lists).
    int Step();
    // The value of the current step (0 when there are no lists).
    int GetValue();

    cVector<cVector<cAnimeStep>> m_Animes;
    int m_CurAnime = 0;
    int m_CurStep = 0;
    int m_Tick = 0;

private:
    cAnimeStep& CurrentStep();
};
