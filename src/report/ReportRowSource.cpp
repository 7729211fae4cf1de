#include "ReportRowSource.h"

ReportRowSource::~ReportRowSource() = default;
