#include "types/Catalogue.h"
