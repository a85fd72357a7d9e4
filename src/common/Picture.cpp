#include "common/Picture.h"
