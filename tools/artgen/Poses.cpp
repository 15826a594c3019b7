#include "Poses.h"

#include <algorithm>

namespace artgen {

namespace {

// The face a mood wears at rest.
Pose Resting(int mood) {
    Pose pose;
    pose.mood = mood;
    switch (mood) {
    case 1:
        pose.eyes = Eyes::Crying;
        pose.mouthOpen = 3.2;
        pose.tear = 1;
        break;
    case 2: pose.eyes = Eyes::Droopy; break;
    case 5:
        pose.eyes = Eyes::Happy;
        pose.mouthOpen = 4.2;
        pose.sparkle = 1;
        break;
    default: break;
    }
    return pose;
}

// Each member's own gesture, for the calm and the pleased moods: the sister waves, the
// brother flicks his hair and gives a thumbs-up, the mother clasps her hands and tilts her
// head, the father pushes up his glasses and laughs, hands on hips.
void OwnGesture(Who who, int step, Pose& pose) {
    switch (who) {
    case Who::Sister: {
        const Hand hands[4] = {Hand::WaveIn, Hand::WaveOut, Hand::WaveIn, Hand::WaveOut};
        const double swing[4] = {-8, 10, -8, 6};
        // With the left hand, clear of the ponytail.
        pose.left = hands[step];
        pose.swing = swing[step];
        if (pose.mood >= 4)
            pose.mouthOpen = 3.0;
        break;
    }
    case Who::Brother: {
        const Hand hands[4] = {Hand::Hair, Hand::Hair, Hand::Thumb, Hand::Thumb};
        pose.right = hands[step];
        pose.headTilt = step <= 1 ? -5 : 0;
        if (step >= 2)
            pose.eyes = Eyes::Wink;
        if (step == 1)
            pose.eyes = Eyes::Closed;
        break;
    }
    case Who::Mother: {
        const double tilt[4] = {-4, -10, -10, -4};
        pose.left = pose.right = Hand::Chest;
        pose.headTilt = tilt[step];
        if (step == 1 || step == 2)
            pose.eyes = pose.mood >= 4 ? Eyes::Happy : Eyes::Closed;
        break;
    }
    case Who::Father: {
        if (step <= 1) {
            pose.right = Hand::Glasses;
            pose.glint = step == 1;
        } else {
            pose.left = pose.right = Hand::Hip;
            pose.lift = step == 2 ? 1.5 : 0;
            if (pose.mood >= 3) {
                pose.eyes = Eyes::Happy;
                pose.mouthOpen = step == 2 ? 4.0 : 3.0;
            }
        }
        break;
    }
    }
}

void Gesture(Who who, int step, Pose& pose) {
    switch (pose.mood) {
    case 1: {
        // Wiping the tears, the shoulders shaking.
        const Hand hands[4] = {Hand::Cheek, Hand::Eye, Hand::Eye, Hand::Cheek};
        pose.right = hands[step];
        pose.shake = step % 2 == 0 ? -0.8 : 0.8;
        pose.tear = step + 1;
        break;
    }
    case 2: {
        // A sigh: the head drops, the eyes close, a puff of breath.
        const double drop[4] = {1, 2, 2, 1};
        const double sigh[4] = {0, 2.6, 3.6, 0};
        pose.headDrop = drop[step];
        pose.headTilt = step == 1 || step == 2 ? 4 : 2;
        pose.eyes = step == 1 || step == 2 ? Eyes::Closed : Eyes::Droopy;
        pose.sigh = sigh[step];
        break;
    }
    case 5: {
        // A hop for joy: crouch, jump with both arms up, land.
        const double lift[4] = {0, 5, 4, 0};
        const double crouch[4] = {2.5, 0, 0, 1.5};
        pose.lift = lift[step];
        pose.crouch = crouch[step];
        pose.left = pose.right = step == 1 || step == 2 ? Hand::Cheer : Hand::Out;
        pose.sparkle = step + 1;
        pose.swing = step == 1 ? -12 : step == 2 ? 8 : 0;
        pose.mouthOpen = step == 1 || step == 2 ? 5.0 : 4.2;
        break;
    }
    default: OwnGesture(who, step, pose); break;
    }
}

void Talk(int step, Pose& pose) {
    // Open, half, closed, half; the very happy never quite close their mouth.
    const double open[4] = {4.6, 2.2, 0, 2.2};
    pose.mouthOpen = open[step];
    if (pose.mood == 5)
        pose.mouthOpen = std::max(1.4, open[step] + 0.6);
    if (pose.mood == 1)
        pose.tear = step + 1;
    if (pose.mood == 5)
        pose.sparkle = step % 2 + 1;
    // A small bob of the head while the mouth is open.
    pose.headDrop += step == 0 ? -0.5 : 0;
}

}  // namespace

Pose PoseFor(Who who, int mood, int frame) {
    Pose pose = Resting(mood);
    // Under the moustache a closed smile hardly shows: the father smiles with his mouth open.
    if (who == Who::Father && mood == 4)
        pose.mouthOpen = 2.4;
    if (frame >= 2 && frame <= 5)
        Gesture(who, frame - 2, pose);
    else if (frame >= 6)
        Talk(frame - 6, pose);
    return pose;
}

}  // namespace artgen
