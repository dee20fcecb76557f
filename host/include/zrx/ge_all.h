// Every ZcGe value type in one include.
#pragma once

#include "ge_tol.h"
#include "ge_vector2d.h"
#include "ge_point2d.h"
#include "ge_vector3d.h"
#include "ge_point3d.h"
#include "ge_matrix3d.h"
#include "ge_plane.h"
#include "ge_scale3d.h"
#include "ge_arrays.h"
