// The reference data of the sample set: APP_USER_REGIST.mdb with rows in each of the nine
// reference tables and the stock phrases, naming the same people as the sample documents.
#pragma once

#include <string>

// Creates the file at a path as the database layer names files, as MakeSampleComCode does.
void MakeSampleUserRegist(const std::string& path);
