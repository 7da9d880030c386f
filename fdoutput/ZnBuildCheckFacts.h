// What the input check of a building application keeps of it for the construction-notice and
// architect-class checks that follow: the largest eaves height of the building pages, the site
// page's first four construction-kind flags and applied-building count, and per building page, in
// list order, its number and its floors above and below ground. Each check starts them from nothing.
#pragma once

#include <vector>

struct ZnBuildCheckFacts {
    double largestEavesHeight = 0;
    // 新築, 増築, 改築, 移転.
    int constructionKinds[4] = {};
    int appliedBuildings = 0;
    std::vector<int> buildingNumbers;
    std::vector<int> floorsAbove;
    std::vector<int> floorsBelow;
};
