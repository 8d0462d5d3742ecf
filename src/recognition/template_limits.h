#pragma once
#include "template/template_model.h"

namespace veltora {

// True when the template keeps to the limits of the data model that recognition relies on:
// 2..100 columns and rows, 0..20 head rows with head rows + rows <= 101, item arrays as long
// as their counts, return sets 0..21, and every cell of every digit (ten cells) and every
// question (the reference cell before its first option included, at most 51 options)
// inside -20..100.
bool TemplateFitsRecognition(const TemplateModel& model);

}  // namespace veltora
