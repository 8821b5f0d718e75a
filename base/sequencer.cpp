#include "base/sequencer.h"

void cAnimeSequencer::SetAnimes(const cVector<cVector<cAnimeStep>>& animes) {
    m_Animes.clear();
    m_CurAnime = 0;
    m_CurStep = 0;
    m_Tick = 0;
    m_Animes = animes;
}

// Every list ends with a control step and every jump names an existing list;
// an index past them is reported by the checked access.
cAnimeStep& cAnimeSequencer::CurrentStep() {
    return m_Animes.At(m_CurAnime, kClosePost).At(m_CurStep, kClosePost);
}

int cAnimeSequencer::SetAnime(int a, int force) {
    if (!force && !m_Animes.empty() && CurrentStep().m_Hold) return 0;
    m_CurAnime = a;
    m_CurStep = 0;
    m_Tick = 0;
    return 1;
}

int cAnimeSequencer::Step() {
    if (m_Animes.empty()) return 0;
    ++m_Tick;
    if (m_Tick >= CurrentStep().m_Duration) {
        m_Tick = 0;
        ++m_CurStep;
        const cAnimeStep& step = CurrentStep();
        switch (step.m_Value) {
        case kAnimeJump:
            SetAnime(step.m_Duration, 1);
            break;
        case kAnimeLoop:
            m_CurStep = 0;
            break;
        case kAnimeStay:
            --m_CurStep;
            break;
        default:
            break;
        }
    }
    return CurrentStep().m_Value;
}

int cAnimeSequencer::GetValue() {
    if (m_Animes.empty()) return 0;
    return CurrentStep().m_Value;
}
