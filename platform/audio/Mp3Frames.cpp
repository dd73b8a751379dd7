#include "platform/audio/Mp3Frames.h"
