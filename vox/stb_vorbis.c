/* The ogg Vorbis decoder, compiled into the library. */
#include <stb_vorbis.h>
