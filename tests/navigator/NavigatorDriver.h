#pragma once

#include "SearchCriteria.h"

#include "GridText.h"

class frmNavigator;

// Sets the navigator's controls as a user would leave them for a search.
void setCriteria(frmNavigator &form, const SearchCriteria &criteria);
