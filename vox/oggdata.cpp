#include "vox/oggdata.h"

#include <cstdlib>

extern "C" int stb_vorbis_decode_filename(const char* filename, int* channels, int* sample_rate, short** output);

bool DecodeOggFile(const char* path, sOggPcm* out) {
    *out = sOggPcm();
    if (!path || !*path) return false;
    int channels = 0, rate = 0;
    short* data = nullptr;
    int frames = stb_vorbis_decode_filename(path, &channels, &rate, &data);
    if (frames < 0 || !data || channels <= 0 || rate <= 0) {
        free(data);
        return false;
    }
    out->channels = channels;
    out->rate = rate;
    out->frames = frames;
    out->samples.assign(data, data + size_t(frames) * size_t(channels));
    free(data);
    return true;
}
