// SPDX-License-Identifier: GPL-3.0-or-later
// Spulix: a calculator for small E-I core mains transformers.
#include "ui/app/run_spulix.h"

int main(int argc, char* argv[]) { return spulix::RunSpulix(argc, argv); }
