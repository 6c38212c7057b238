#include "design/transformer_design.h"
