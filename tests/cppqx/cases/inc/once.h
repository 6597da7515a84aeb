#pragma once
int once_only;
