#pragma once

#include "Unit1.h"

#include <span>

extern const FormDescription Form1Description;
extern const std::span<const ControlDescription<TForm1>> Form1Controls;
