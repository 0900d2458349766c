// The program's FLIC resources (type "flic") as images over the resource bytes.
#pragma once

class mImageFlic;

// A new image over the resource's bytes with its header read, or null when the resource is
// missing or not a FLIC. The caller owns it until a sprite takes a hold on it.
mImageFlic* OpenFlicResource(int resource);
