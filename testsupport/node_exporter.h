// Scrapes metrics files through node_exporter's textfile collector, as a monitoring server
// would see them.
#pragma once

#include <string>

/// What node_exporter serves with its textfile collector alone reading the folder `folder`
/// (its *.prom files), scraped once; "" when it could not be started or scraped.
std::string node_exporter_scrape(const std::string& folder);
