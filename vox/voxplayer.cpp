// The players of Vox.dll: a file is decoded whole at Load and played from
// memory through waveOut; repeats use the header's loop count.
#include <windows.h>
#include <mmsystem.h>

#include <cstring>
#include <new>

#include "vox/oggdata.h"
#include "vox/vox.h"

namespace {

class cWaveVoxPlayer final : public cVoxPlayer {
public:
    uint8_t Load(const char* path) override {
        Unload();
        if (!DecodeOggFile(path, &m_Pcm) || m_Pcm.samples.empty() || m_Pcm.channels > 2) {
            m_Pcm = sOggPcm();
            return 0;
        }
        WAVEFORMATEX fmt;
        memset(&fmt, 0, sizeof fmt);
        fmt.wFormatTag = WAVE_FORMAT_PCM;
        fmt.nChannels = WORD(m_Pcm.channels);
        fmt.nSamplesPerSec = DWORD(m_Pcm.rate);
        fmt.wBitsPerSample = 16;
        fmt.nBlockAlign = WORD(fmt.nChannels * 2);
        fmt.nAvgBytesPerSec = fmt.nSamplesPerSec * fmt.nBlockAlign;
        if (waveOutOpen(&m_hOut, WAVE_MAPPER, &fmt, 0, 0, CALLBACK_NULL) != MMSYSERR_NOERROR) {
            m_hOut = nullptr;
            m_Pcm = sOggPcm();
            return 0;
        }
        memset(&m_Hdr, 0, sizeof m_Hdr);
        m_Hdr.lpData = reinterpret_cast<LPSTR>(m_Pcm.samples.data());
        m_Hdr.dwBufferLength = DWORD(m_Pcm.samples.size() * sizeof(int16_t));
        if (waveOutPrepareHeader(m_hOut, &m_Hdr, sizeof m_Hdr) != MMSYSERR_NOERROR) {
            Unload();
            return 0;
        }
        return 1;
    }

    void Play() override {
        if (!m_hOut) return;
        waveOutReset(m_hOut);
        m_Hdr.dwFlags &= WHDR_PREPARED;
        m_Hdr.dwLoops = 0;
        if (m_nLoop > 0) {
            m_Hdr.dwFlags |= WHDR_BEGINLOOP | WHDR_ENDLOOP;
            m_Hdr.dwLoops = m_nLoop == kVoxEndless ? DWORD(kVoxEndless) : DWORD(m_nLoop) + 1;
        }
        waveOutWrite(m_hOut, &m_Hdr, sizeof m_Hdr);
    }

    void Stop() override {
        if (m_hOut) waveOutReset(m_hOut);
    }

    void Unload() override {
        if (m_hOut) {
            waveOutReset(m_hOut);
            if (m_Hdr.dwFlags & WHDR_PREPARED) waveOutUnprepareHeader(m_hOut, &m_Hdr, sizeof m_Hdr);
            waveOutClose(m_hOut);
            m_hOut = nullptr;
        }
        memset(&m_Hdr, 0, sizeof m_Hdr);
        m_Pcm = sOggPcm();
    }

    void SetLoop(int32_t count) override { m_nLoop = count < 0 ? 0 : count; }

    void Reserved5() override {}
    void Reserved6() override {}
    void Reserved7() override {}
    void Reserved8() override {}

    void Release() override {
        Unload();
        delete this;
    }

private:
    ~cWaveVoxPlayer() = default;

    sOggPcm m_Pcm;
    HWAVEOUT m_hOut = nullptr;
    WAVEHDR m_Hdr = {};
    int32_t m_nLoop = 0;
};

}  // namespace

extern "C" __declspec(dllexport) cVoxPlayer* CreateVox() { return new (std::nothrow) cWaveVoxPlayer; }
